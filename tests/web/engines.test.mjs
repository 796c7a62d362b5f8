// The page's main path in every browser engine (Chromium, Firefox ESR, WebKitGTK), one
// browser each: the first frame, the menu and its keys, a recording across a reload,
// two tabs with one recorder, Share run through the clipboard into a fresh profile,
// the offline start, a long playback and its stop, Quit and a new start, and the
// same pixels as the desktop's town-replay.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, it } from 'node:test';

import {
  clickWorld,
  galleryExample,
  haltedWithScript,
  linesLike,
  pressForFrame,
  runLink,
  selectedButton,
  worldPixels,
} from './engine_scenes.mjs';
import { EngineNames, launchEngine, waitFor } from './engines.mjs';
import { guideDir, siteDir, startServer } from './harness.mjs';
import { decodePng } from './png.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const townReplay = process.env.TOWN_REPLAY || resolve(root, 'build/debug/tools/town-replay');
const Eof = /^EOF encountered in script file DROVA\.SCR$/;
const RefusedWrite = /^Cannot open script file DROVA\.SCR for writing$/;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// Ctrl+Q never reaches a page in Firefox on Linux: it quits the browser.
const quitShortcut = (engine) => (engine === 'firefox' ? '' : 'Ctrl+Q');

async function framesStayFor(page, ms) {
  const before = await page.evaluate(() => window.gfx.frames);
  await sleep(ms);
  return (await page.evaluate(() => window.gfx.frames)) === before;
}

// Quits as a user of this browser can: by the shortcut the menu shows, else by the
// menu's access keys.
async function quit(page, engine) {
  if (quitShortcut(engine)) await page.press('Control+q');
  else {
    await page.press('Alt+r');
    await page.press('q');
  }
  await waitFor(page, () => window.gfx.ended);
}

const menuOpen = (page) => page.evaluate(() => !document.getElementById('run-menu').hidden);

for (const name of EngineNames) {
  describe(`the page in ${name}`, () => {
    let engine;
    let server;
    before(async () => {
      server = await startServer();
      engine = await launchEngine(name);
    });
    after(async () => {
      await engine?.close();
      server?.stop();
    });

    it('draws the town, fits a narrow window, and takes the menu and its keys', async () => {
      const page = await engine.open(`${server.url}index.html?seed=7`);
      await waitFor(page, () => window.gfx?.frames >= 3);
      assert.deepEqual(await worldPixels(page, [[-190, -90]]), ['99ffff'], 'the pond');
      assert.equal(await selectedButton(page), 'light');

      // The menu: its shortcuts as this browser lets them reach the page.
      const shortcuts = await page.evaluate(() =>
        [...document.querySelectorAll('#run-menu .shortcut')].map((s) => s.textContent).filter((s) => s !== ''),
      );
      const expected = ['A', 'H', 'F', 'L', 'R', 'P', 'O', 'Q'].map((k) => `Ctrl+${k}`);
      assert.deepEqual(shortcuts, expected.filter((s) => s !== 'Ctrl+Q' || quitShortcut(name)));

      // Alt+R opens it, and so does Option+R on a Mac, whose key is "®".
      await page.press('Alt+r');
      await waitFor(page, () => !document.getElementById('run-menu').hidden);
      await page.press('Escape');
      assert.equal(await menuOpen(page), false);
      await page.evaluate(() =>
        document.dispatchEvent(
          new KeyboardEvent('keydown', { key: '\u00ae', code: 'KeyR', altKey: true, bubbles: true, cancelable: true }),
        ),
      );
      assert.equal(await menuOpen(page), true, 'Option+R opens the menu');
      await page.press('Escape');

      // Ctrl+H halts, Ctrl+F draws one frame, Ctrl+A animates again.
      await page.press('Control+h');
      await waitFor(page, () => !window.gfx.ticking);
      assert.ok(await framesStayFor(page, 500), 'halted');
      await pressForFrame(page, 'Control+f');
      assert.ok(await framesStayFor(page, 500), 'one frame');
      await pressForFrame(page, 'Control+a');
      await waitFor(page, () => window.gfx.ticking);

      // A narrow window: the canvas takes the room there is, once the page has settled.
      const narrow = await page.setWidth(390);
      await waitFor(page, (w) => innerWidth === w, narrow);
      await sleep(500);
      const fit = await page.evaluate(() => [
        parseFloat(document.getElementById('canvas').style.width),
        document.documentElement.clientWidth - 18, // the page's padding and the frame
      ]);
      assert.equal(fit[0], fit[1], `canvas ${fit[0]} px wide in a room of ${fit[1]} px`);
      await page.setWidth(1024);
      await page.close();
    });

    it('records across a reload and plays it back; a second tab is refused the recording once', async () => {
      const page = await engine.open(`${server.url}index.html?seed=3`);
      await waitFor(page, () => window.gfx?.frames >= 3);
      await page.press('Control+h');
      await waitFor(page, () => !window.gfx.ticking);
      await page.press('Control+r');
      await waitFor(page, () => window.gfx.menuChecked('RecordScript'));
      await pressForFrame(page, 'Control+f');
      await clickWorld(page, 95, -230);
      await sleep(300);
      assert.equal(await selectedButton(page), 'heavy');
      await pressForFrame(page, 'Control+f');

      // Another tab of the page: the script is being written here, so it may not.
      const second = await engine.open(`${server.url}index.html?seed=4&menu=Halt`);
      await waitFor(second, () => window.gfx?.frames >= 2 && !window.gfx.ticking);
      await second.press('Control+r');
      await waitFor(second, () => window.gfx.menuChecked('RecordScript'));
      await pressForFrame(second, 'Control+f');
      // Hidden meanwhile (WebKit hides a window another one covers): nothing to keep here.
      await second.evaluate(() => dispatchEvent(new Event('pagehide')));
      await pressForFrame(second, 'Control+f');
      await second.press('Control+r');
      await waitFor(second, () => !window.gfx.menuChecked('RecordScript'));
      await sleep(500);
      assert.equal((await linesLike(second, RefusedWrite)).length, 1, 'one refused write, one message');
      assert.deepEqual(await second.errors(), []);
      await second.close();

      // The reload ends the recording where it was; the click comes back in playback.
      await page.bringToFront();
      await page.reload();
      await waitFor(page, () => window.gfx?.frames >= 3);
      assert.equal(await page.evaluate(() => window.gfx.menuChecked('RecordScript')), false);
      await page.press('Control+h');
      await waitFor(page, () => !window.gfx.ticking);
      await clickWorld(page, 195, -230);
      await sleep(300);
      assert.equal(await selectedButton(page), 'light');
      await page.press('Control+p');
      await waitFor(page, () => window.gfx.lines().some((l) => l.startsWith('EOF encountered')));
      assert.deepEqual(await linesLike(page, Eof), ['EOF encountered in script file DROVA.SCR']);
      await waitFor(page, () => !window.gfx.ticking);
      assert.equal(await selectedButton(page), 'heavy', 'the recorded click');
      assert.deepEqual(await page.errors(), []);

      // Share run: the link goes into the clipboard and plays in a fresh profile.
      await page.click('#share');
      await waitFor(page, () => /clipboard/.test(document.getElementById('storage-status').textContent));
      assert.match(
        await page.evaluate(() => document.getElementById('storage-status').textContent),
        /^A link to this run \(seed 3 and DROVA\.SCR\) is in the clipboard\.$/,
      );
      const link = (await engine.clipboardText(page)).trim();
      assert.match(link, new RegExp(`^${server.url}index\\.html#seed=3&script=[A-Za-z0-9_-]+$`));
      await page.close();
      const visitor = await engine.fresh(link);
      await waitFor(visitor, () => window.gfx?.lines().some((l) => l.startsWith('EOF encountered')), null, 30000);
      await waitFor(visitor, () => !window.gfx.ticking);
      assert.equal(await selectedButton(visitor), 'heavy', 'the shared click');
      assert.match(
        await visitor.evaluate(() => document.getElementById('storage-status').textContent),
        /Playing a shared run from seed 3/,
      );
      await visitor.close();
    });

    it('starts offline after one visit', async () => {
      const own = await startServer(siteDir);
      let stopped = false;
      try {
        const page = await engine.open(`${own.url}index.html`);
        await waitFor(page, () => window.gfx?.frames >= 3);
        // Every file of the build kept, read from the worker's own list.
        await waitFor(
          page,
          async () => {
            if (!navigator.serviceWorker?.controller) return false;
            const files = /const Files = '([^']*)'/.exec(await (await fetch('sw.js')).text())[1].split(' ');
            const names = await caches.keys();
            if (names.length !== 1) return false;
            const kept = await (await caches.open(names[0])).keys();
            return kept.length === files.length;
          },
          null,
          30000,
          'the service worker keeps the build',
        );
        own.stop();
        stopped = true;
        await page.goto(`${own.url}index.html?seed=7`);
        await waitFor(page, () => window.gfx?.frames >= 3);
        assert.deepEqual(await worldPixels(page, [[-190, -90]]), ['99ffff'], 'the pond, drawn offline');
        assert.deepEqual(await page.errors(), []);
        await page.close();
      } finally {
        if (!stopped) own.stop();
      }
    });

    it("the gallery: an example from its list takes a click, and its run is shared as a link", async () => {
      const guide = await startServer(guideDir);
      try {
        const page = await galleryExample(engine, guide.url);
        const example = await page.evaluate(() => location.pathname);
        const waits = await page.evaluate(() => window.gfx.waits);
        await clickWorld(page, 40, 20);
        await waitFor(page, (n) => window.gfx.waits > n, waits);
        await page.press('Control+r');
        await waitFor(page, () => !window.gfx.menuChecked('RecordScript'));
        await page.click('#share');
        await waitFor(page, () => /clipboard/.test(document.getElementById('storage-status').textContent));
        const link = (await engine.clipboardText(page)).trim();
        assert.equal(link.split('#')[0], new URL(example, guide.url).href, 'a link to this example');
        assert.match(link, /#seed=\d+&script=[A-Za-z0-9_-]+$/);
        assert.deepEqual(await page.errors(), []);
        await page.close();
        const visitor = await engine.fresh(link);
        await waitFor(visitor, () => /Playing a shared run/.test(document.getElementById('storage-status').textContent));
        assert.equal(await visitor.evaluate(() => location.pathname), example);
        await visitor.close();
      } finally {
        guide.stop();
      }
    });

    it('plays 3,000 ticks to the end, and Ctrl+P stops a long script part way', async () => {
      const page = await haltedWithScript(engine, server.url, 'DROVA_PERIODIC(3000);\n');
      const before = await page.evaluate(() => window.gfx.frames);
      await page.press('Control+p');
      await waitFor(page, () => window.gfx.lines().some((l) => l.startsWith('EOF encountered')), null, 120000);
      assert.ok((await page.evaluate(() => window.gfx.frames)) - before >= 3000, 'one frame a tick');
      await page.close();

      const long = await haltedWithScript(engine, server.url, 'DROVA_PERIODIC(30000);\n');
      await long.press('Control+p');
      await waitFor(long, () => window.gfx.frames > 200);
      await long.press('Control+p');
      await waitFor(long, () => !window.gfx.menuChecked('PlaybackScript') && !window.gfx.ticking);
      const stoppedAt = await long.evaluate(() => window.gfx.frames);
      assert.ok(await framesStayFor(long, 300), 'nothing plays on');
      assert.ok(stoppedAt < 20000, `stopped part way: ${stoppedAt} frames`);
      assert.deepEqual(await linesLike(long, Eof), []);
      assert.deepEqual(await long.errors(), []);
      await long.close();
    });

    it("draws town-replay's pixels for a seeded script, quits, and starts again", async (t) => {
      if (!existsSync(townReplay)) {
        t.skip(`${townReplay} is missing: build the debug preset first`);
        return;
      }
      const script = 'DROVA_PERIODIC(30);\nDROVA_MOUSE(150, -230);\nDROVA_PERIODIC(45);\nDROVA_MOUSE(250, -230);\nDROVA_PERIODIC(20);\n';
      const seed = 1733750400;
      const dir = mkdtempSync(join(tmpdir(), 'town-replay-'));
      let png;
      let replayLines;
      try {
        writeFileSync(join(dir, 'run.scr'), script, 'latin1');
        const log = execFileSync(
          townReplay,
          ['--seed', String(seed), '--script', join(dir, 'run.scr'), '--log', '--png', join(dir, 'run.png')],
          { encoding: 'latin1', maxBuffer: 256 * 1024 * 1024 },
        );
        replayLines = log.split('\n').length - 1;
        png = decodePng(readFileSync(join(dir, 'run.png')));
      } finally {
        rmSync(dir, { recursive: true, force: true });
      }
      // The log on and the script played from the first wait, as town-replay plays it.
      const page = await engine.open(await runLink(server.url, seed, script, '?menu=Logging'));
      await waitFor(page, () => window.gfx?.lines().some((l) => l.startsWith('EOF encountered')), null, 60000);
      await waitFor(page, () => !window.gfx.ticking);
      // town-replay quits when nothing is left to happen, and the quit repaints once more.
      await quit(page, name);
      assert.equal(await page.evaluate(() => window.gfx.status), 0);
      assert.equal(await page.evaluate(() => window.gfx.logCount), replayLines, 'the log has town-replay\'s lines');
      const canvas = Buffer.from(
        await page.evaluate(() => {
          const d = document.getElementById('canvas').getContext('2d').getImageData(0, 0, 601, 501).data;
          let s = '';
          for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
          return btoa(s);
        }),
        'base64',
      );
      const rows = png.rgba.subarray(0, 601 * 501 * 4);
      let differing = 0;
      for (let i = 0; i < rows.length; i += 4) if (rows.compare(canvas, i, i + 4, i, i + 4) !== 0) ++differing;
      assert.equal(differing, 0, `${differing} pixels differ from town-replay's`);

      // Started again, the town runs.
      await page.goto(`${server.url}index.html?seed=7`);
      await waitFor(page, () => window.gfx?.frames >= 3 && !window.gfx.ended && window.gfx.ticking);
      assert.deepEqual(await page.errors(), []);
      await page.close();
    });
  });
}
