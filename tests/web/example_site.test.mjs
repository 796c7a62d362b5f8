// An example program's own site, made by add_web_site as a user's program is: the
// page, menu and storage are the town's, the names and the program its own. Once made in
// this tree, and once out of it from the library's web package.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import {
  clickWorld,
  exampleSiteDir,
  installedExampleSiteDir,
  openTown,
  siteAndBrowser,
  waitForAsync,
  worldPixel,
} from './harness.mjs';

const sites = [
  { made: 'in this tree', dir: exampleSiteDir, label: 'The ball' },
  { made: 'from the installed package', dir: installedExampleSiteDir, label: 'Bounce' },
];

for (const { made, dir, label } of sites) describe(`an example site made ${made}`, () => {
  const site = siteAndBrowser(dir);
  it('runs its own program under its own names, offline too', async () => {
    const context = await site.browser.newContext();
    try {
      // Halted before the first tick: the program draws nothing until the first click,
      // the ball stays at the origin, and each click gives it the next colour.
      const page = await openTown(context, `${site.server.url}index.html?menu=Halt`, { frames: 0 });
      assert.equal(await page.title(), 'Bounce');
      assert.equal(await page.locator('#canvas').getAttribute('aria-label'), label);
      const manifest = await (await page.request.get(`${site.server.url}manifest.webmanifest`)).json();
      assert.equal(manifest.name, 'Bounce');
      await clickWorld(page, 200, 200);
      await page.waitForFunction(() => window.town.frames >= 1);
      assert.equal(await worldPixel(page, 0, 0), '0000ff', 'blue');
      await clickWorld(page, 200, 200);
      await page.waitForFunction(() => window.town.frames >= 2);
      assert.equal(await worldPixel(page, 0, 0), '006633', 'forest green');
      assert.match(await page.locator('#run-button').textContent(), /Run/);

      // Its service worker keeps its files in a cache named after the program.
      await waitForAsync(page, async () => (await caches.keys()).some((n) => n.startsWith('bounce-')), undefined, 20000);
      await context.setOffline(true);
      await page.goto(`${site.server.url}index.html`);
      await page.waitForFunction(() => window.town?.frames >= 1);
      assert.equal(await page.title(), 'Bounce');
    } finally {
      await context.close();
    }
  });
});
