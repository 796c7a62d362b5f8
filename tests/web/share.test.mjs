// A run shared as a link: the seed shown, "Share run" putting a link into the
// clipboard, the link played in a fresh browser, and links from anyone (broken,
// cut off, unfolding past the bound) refused without storing anything.
import assert from 'node:assert/strict';
import { deflateSync } from 'node:zlib';
import { describe, it } from 'node:test';

import { MaxLinkScriptChars, MaxSharedScriptBytes } from '../../gfx/backends/web/page/features/share_link.js';
import { openTown, siteAndBrowser, storedScript, uploadScript, waitForLine } from './harness.mjs';

const site = siteAndBrowser();

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const Eof = /^EOF encountered in script file DROVA\.SCR$/;

const status = (page) => page.locator('#storage-status').textContent();
const base64url = (bytes) => Buffer.from(bytes).toString('base64url');

describe('sharing a run', () => {
  it('a shared link plays the same drawing log in a fresh browser and leaves its script alone', async () => {
    const script = 'DROVA_PERIODIC(25);\nDROVA_MOUSE(150, -230);\nDROVA_PERIODIC(30);\n';
    const seed = 424242;
    const origin = await site.browser.newContext({ permissions: ['clipboard-read', 'clipboard-write'] });
    const setup = await openTown(origin, `${site.server.url}index.html`);
    await uploadScript(setup, script);
    await setup.close();
    const page = await openTown(origin, `${site.server.url}index.html?seed=${seed}&menu=Logging,PlaybackScript`);
    await waitForLine(page, Eof, 30000);
    const log = await page.evaluate(() => [window.gfx.logCount, window.gfx.logDigest]);
    assert.equal(await page.locator('#seed').textContent(), `Seed ${seed}`);
    await page.locator('#share').click();
    await page.waitForFunction(() => /in the clipboard/.test(document.getElementById('storage-status').textContent));
    const link = await page.evaluate(() => navigator.clipboard.readText());
    assert.match(link, new RegExp(`^${site.server.url}index\\.html#seed=${seed}&script=[A-Za-z0-9_-]+$`));
    await origin.close();

    // A visitor with a script of their own opens the link (with the log on, as above).
    const visitor = await site.browser.newContext();
    const own = await openTown(visitor, `${site.server.url}index.html`);
    await uploadScript(own, 'DROVA_PERIODIC(3);\n');
    await own.close();
    const shared = await openTown(visitor, link.replace('index.html#', 'index.html?menu=Logging#'));
    await waitForLine(shared, Eof, 30000);
    assert.deepEqual(await shared.evaluate(() => [window.gfx.logCount, window.gfx.logDigest]), log);
    assert.equal(await shared.locator('#seed').textContent(), `Seed ${seed}`);
    assert.match(await status(shared), /Playing a shared run from seed 424242/);
    assert.equal(await storedScript(shared), 'DROVA_PERIODIC(3);\n', 'the visitor\'s script stays');

    // Downloaded there, the script is the shared one: with the seed, town-replay replays it.
    const download = shared.waitForEvent('download');
    await shared.locator('#download').click();
    const file = await (await download).createReadStream();
    const chunks = [];
    for await (const c of file) chunks.push(c);
    assert.equal(Buffer.concat(chunks).toString('latin1'), script);

    // A recording replaces the held script, and is stored as any recording is.
    await shared.keyboard.press('Control+r');
    await sleep(300);
    await shared.keyboard.press('Control+r');
    await shared.waitForFunction(() => !window.gfx.menuChecked('RecordScript'));
    await shared.waitForFunction(
      (held) =>
        new Promise((resolve) => {
          const open = indexedDB.open('gfx-page', 1);
          open.onsuccess = () => {
            const get = open.result.transaction('scripts').objectStore('scripts').get('DROVA.SCR');
            get.onsuccess = () => {
              open.result.close();
              const bytes = get.result?.bytes ?? get.result;
              resolve(bytes && String.fromCharCode(...bytes) !== held);
            };
          };
        }),
      'DROVA_PERIODIC(3);\n',
    );
    assert.deepEqual(shared.problems, []);
    await visitor.close();
  });

  it('says why when there is nothing to share, or too much', async () => {
    const context = await site.browser.newContext({ permissions: ['clipboard-read', 'clipboard-write'] });
    const page = await openTown(context, `${site.server.url}index.html`);
    assert.match(await page.locator('#seed').textContent(), /^Seed \d+$/);
    await page.evaluate(() => navigator.clipboard.writeText('before'));
    await page.locator('#share').click();
    await page.waitForFunction(() => /No DROVA\.SCR to share yet/.test(document.getElementById('storage-status').textContent));

    // Random clicks compress little: more than a link may hold.
    let big = '';
    let x = 2463534242;
    const next = () => {
      x ^= x << 13;
      x ^= x >>> 17;
      x ^= x << 5;
      return (x >>> 0) % 100000;
    };
    while (big.length < 12 * MaxLinkScriptChars) big += `DROVA_MOUSE(${next()}, ${next()});\n`;
    await uploadScript(page, big);
    await page.locator('#share').click();
    await page.waitForFunction(() => /The run is not shared: DROVA\.SCR compresses to \d+ characters, more than the 65536 a link may hold/.test(document.getElementById('storage-status').textContent));
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'before', 'nothing put into the clipboard');
    await context.close();
  });
});

describe('a clipboard the page may not write', () => {
  it('shows the link to copy by hand', async () => {
    const context = await site.browser.newContext();
    // As a browser that refuses the page its clipboard.
    await context.addInitScript(() => {
      const refuse = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
      navigator.clipboard.writeText = refuse;
      navigator.clipboard.write = refuse;
    });
    const page = await openTown(context, `${site.server.url}index.html?seed=5`);
    await uploadScript(page, 'DROVA_PERIODIC(4);\n');
    await page.locator('#share').click();
    await page.waitForFunction(() => /copy it from here/.test(document.getElementById('storage-status').textContent));
    assert.match(await status(page), /could not be put into the clipboard \(\w+\); copy it from here: http:\/\/\S+#seed=5&script=[\w-]+$/);
    await context.close();
  });
});

describe('links from anyone', () => {
  const good = base64url(deflateSync(Buffer.from('DROVA_PERIODIC(20);\nDROVA_MOUSE(150, -230);\n')));
  const bomb = base64url(deflateSync(Buffer.alloc(MaxSharedScriptBytes + 1, 'DROVA_PERIODIC(1);\n'), { level: 9 }));
  const cases = [
    ['a seed that is no number', `seed=12ab&script=${good}`, /its seed is not a number/],
    ['a seed past 32 bits', `seed=4294967296&script=${good}`, /its seed is not a number/],
    ['no script', 'seed=7', /its script is missing/],
    ['characters a link never holds', `seed=7&script=${good}%00`, /its script is missing or has characters/],
    ['a script cut off', `seed=7&script=${good.slice(0, good.length - 6)}`, /its script is cut off or changed/],
    ['a script changed', `seed=7&script=${good.slice(0, 10)}AAAA${good.slice(14)}`, /its script is cut off or changed/],
    ['a script that is no compressed data', 'seed=7&script=RFJPVkFfUEVSSU9ESUMoMSk7', /its script is cut off or changed/],
    ['a script that unfolds past the bound', `seed=7&script=${bomb}`, /would unfold to more than the 1048576 bytes/],
    ['a link longer than a link may hold', `seed=7&script=${'A'.repeat(MaxLinkScriptChars + 1)}`, /longer than the 65536 characters/],
  ];

  it('each broken link says so, runs the town as without it and stores nothing', async () => {
    assert.ok(bomb.length < 4000, `the bomb is small: ${bomb.length}`);
    const context = await site.browser.newContext();
    const setup = await openTown(context, `${site.server.url}index.html`);
    await uploadScript(setup, 'DROVA_PERIODIC(3);\n');
    await setup.close();
    for (const [name, fragment, message] of cases) {
      const page = await openTown(context, `${site.server.url}index.html?seed=99#${fragment}`);
      const said = await status(page);
      assert.match(said, /This link holds no run that can be played/, name);
      assert.match(said, message, name);
      assert.match(said, /The program runs as without it; nothing was stored\./, name);
      assert.equal(await page.locator('#seed').textContent(), 'Seed 99', `${name}: the seed without the link`);
      await page.waitForFunction(() => window.gfx.ticking && window.gfx.frames >= 5);
      assert.equal(await page.evaluate(() => window.gfx.menuChecked('PlaybackScript')), false, `${name}: nothing plays`);
      assert.equal(await storedScript(page), 'DROVA_PERIODIC(3);\n', `${name}: the stored script stays`);
      assert.deepEqual(page.problems, [], name);
      await page.close();
    }
    // Without a stored script, a broken link stores none.
    const fresh = await site.browser.newContext();
    const page = await openTown(fresh, `${site.server.url}index.html#seed=7&script=${good.slice(0, 8)}`);
    assert.match(await status(page), /holds no run/);
    assert.equal(await storedScript(page), null);
    await fresh.close();
    await context.close();
  });
});
