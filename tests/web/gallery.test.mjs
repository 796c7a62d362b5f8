// The gallery of the project's site: every example of examples/ is listed with its
// picture, and on its page, on a phone's narrow screen (the canvas scaled down), its
// program draws its first frame (by the time it has taken a click, for one that starts
// halted) and takes the click at the world point under the pointer.
import assert from 'node:assert/strict';
import { existsSync, readdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { describe, it } from 'node:test';

import { clickWorld, guideDir, siteAndBrowser, storedScript, watchedPage } from './harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const examples = readdirSync(join(root, 'examples'), { withFileTypes: true })
  .filter((e) => e.isDirectory() && existsSync(join(root, 'examples', e.name, `${e.name}.cpp`)))
  .map((e) => e.name);
const site = siteAndBrowser(guideDir);
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const Phone = { viewport: { width: 360, height: 740 } };

// The distinct colours of the whole canvas.
const canvasColours = (page) =>
  page.evaluate(() => {
    const c = document.getElementById('canvas');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    const seen = new Set();
    for (let i = 0; i < d.length; i += 4) seen.add((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]);
    return seen.size;
  });

describe('the gallery', () => {
  it('lists every example of examples/, each with its picture', async () => {
    const context = await site.browser.newContext();
    const page = await watchedPage(context);
    await page.goto(`${site.server.url}gallery/index.html`);
    // The pictures load as they come into view.
    for (const img of await page.locator('.gallery img').all()) await img.scrollIntoViewIfNeeded();
    await page.waitForFunction(() => [...document.querySelectorAll('.gallery img')].every((i) => i.complete));
    const listed = await page.evaluate(() =>
      [...document.querySelectorAll('.gallery li')].map((li) => ({
        href: li.querySelector('a').getAttribute('href'),
        picture: li.querySelector('img').complete && li.querySelector('img').naturalWidth > 0,
        description: li.querySelector('p').textContent.length > 0,
      })),
    );
    assert.deepEqual(
      listed,
      examples.map((name) => ({ href: `${name}.html`, picture: true, description: true })),
    );
    await context.close();
  });

  for (const name of examples) {
    it(`${name} draws its first frame and takes a click where it lands, on a phone`, async () => {
      const context = await site.browser.newContext(Phone);
      try {
        const page = await watchedPage(context);
        await page.goto(`${site.server.url}gallery/${name}.html`);
        // A program that asks for a line first (gfxGets) gets an empty one; one that starts
        // halted may wait for its first event before it draws.
        await page.waitForFunction(
          () => window.gfx?.frames >= 1 || document.getElementById('gets').open || window.gfx?.waits >= 1,
        );
        if (await page.evaluate(() => document.getElementById('gets').open)) await page.keyboard.press('Enter');
        const fit = await page.evaluate(() => [
          document.getElementById('canvas').getBoundingClientRect().width,
          document.documentElement.scrollWidth,
          innerWidth,
        ]);
        assert.ok(fit[0] < 601 && fit[1] <= fit[2], `the canvas ${fit[0]} px wide, the page ${fit[1]} in ${fit[2]}`);

        // Halted and recording, so that the click is the program's one event: it takes it
        // at the world point where it landed on the scaled canvas.
        await page.keyboard.press('Control+h');
        await page.waitForFunction(() => !window.gfx.ticking);
        await page.keyboard.press('Control+r');
        await page.waitForFunction(() => window.gfx.menuChecked('RecordScript'));
        const waits = await page.evaluate(() => window.gfx.waits);
        await clickWorld(page, 40, 20);
        await page.waitForFunction((n) => window.gfx.waits > n, waits);
        await page.keyboard.press('Control+r');
        await page.waitForFunction(() => !window.gfx.menuChecked('RecordScript'));
        await page.waitForFunction(() => window.gfx.frames >= 1);
        assert.ok((await canvasColours(page)) >= 2, 'the first frame is no blank canvas');
        // The browser gives the pointer in whole CSS pixels, and one of them covers 1.76
        // canvas pixels here: the click is taken within a pixel of where it was aimed.
        const click = /^DROVA_MOUSE\((-?\d+), (-?\d+)\);$/m;
        for (const end = Date.now() + 10000; !click.test((await storedScript(page)) ?? '') && Date.now() < end; )
          await sleep(100);
        const [, x, y] = click.exec((await storedScript(page)) ?? '') ?? [];
        assert.ok(Math.abs(x - 40) <= 1 && Math.abs(y - 20) <= 1, `the click aimed at (40, 20) taken at (${x}, ${y})`);
        assert.deepEqual(page.problems, []);
      } finally {
        await context.close();
      }
    });
  }
});
