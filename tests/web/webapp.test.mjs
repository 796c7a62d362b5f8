// The page as a web app: what a first visit downloads, the offline start and the
// update of a kept build, accessibility, screen sizes, and the same pixels as the
// desktop's town-replay for a seed and a script.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { describe, it } from 'node:test';

import {
  openTown,
  siteAndBrowser,
  siteDir,
  startServer,
  waitForAsync,
  waitForLine,
  worldPixel,
} from './harness.mjs';
import { decodePng } from './png.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const townReplay = process.env.TOWN_REPLAY || resolve(root, 'build/debug/tools/town-replay');
const axeSource = resolve(root, 'node_modules/axe-core/axe.min.js');
const FirstVisitBound = 320 * 1024;

const site = siteAndBrowser();


// The files the build's service worker keeps, read from it.
function keptFiles(dir = siteDir) {
  const sw = readFileSync(join(dir, 'sw.js'), 'utf8');
  return /const Files = '([^']*)'/.exec(sw)[1].split(' ');
}

// Waits until the page's service worker controls it and has kept every file.
async function untilKept(page) {
  await page.waitForFunction(() => navigator.serviceWorker?.controller, null, { timeout: 20000 });
  return page.evaluate(async () => {
    const names = await caches.keys();
    const cache = await caches.open(names.find((n) => n.startsWith('town-')));
    return { names, kept: (await cache.keys()).map((r) => new URL(r.url).pathname.slice(1)) };
  });
}

async function selectedButton(page) {
  const heavy = await worldPixel(page, 95, -230);
  const light = await worldPixel(page, 195, -230);
  if (heavy === '808080' && light === 'cccccc') return 'heavy';
  if (light === '808080' && heavy === 'cccccc') return 'light';
  return `none (heavy ${heavy}, light ${light})`;
}

describe('a first visit', () => {
  it('downloads the page, the program and the font subset, within the bound', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html`, { frames: 2 });
    const requests = await page.evaluate(() =>
      performance
        .getEntries()
        .filter((e) => 'transferSize' in e)
        .map((e) => [new URL(e.name).pathname.slice(1) || 'index.html', e.transferSize]),
    );
    const names = requests.map(([n]) => n);
    const total = requests.reduce((s, [, n]) => s + n, 0);
    assert.ok(total <= FirstVisitBound, `${(total / 1024).toFixed(1)} KiB: ${JSON.stringify(requests)}`);
    for (const needed of ['index.html', 'gfx-page.css', 'gfx-page.js', 'town.js', 'town.wasm', 'fonts/town-sans.ttf'])
      assert.ok(names.includes(needed), `${needed} among ${names}`);
    const kept = keptFiles();
    for (const n of names) assert.ok(kept.includes(n), `${n} is a file of the build`);
    assert.equal(new Set(names).size, names.length, 'no file twice');

    // The subset is small, is another family, and its licence stands beside it.
    const font = await (await fetch(`${site.server.url}fonts/town-sans.ttf`)).arrayBuffer();
    assert.ok(font.byteLength < 40 * 1024, `${font.byteLength} bytes`);
    const licence = await (await fetch(`${site.server.url}fonts/LICENSE.txt`)).text();
    assert.match(licence, /are renamed to names not containing either the words "Bitstream"/);
    assert.deepEqual(page.problems, []);
    await context.close();
  });

  it('has a manifest that makes the page installable', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html`);
    assert.equal(await page.title(), "Fenn's Town");
    const href = await page.locator('link[rel="manifest"]').getAttribute('href');
    const manifest = await (await fetch(new URL(href, site.server.url))).json();
    assert.equal(manifest.name, "Fenn's Town");
    assert.equal(manifest.display, 'standalone');
    assert.ok(manifest.short_name && manifest.theme_color && manifest.background_color);
    const sizes = [];
    for (const icon of manifest.icons) {
      const png = Buffer.from(await (await fetch(new URL(icon.src, site.server.url))).arrayBuffer());
      assert.equal(png.toString('latin1', 1, 4), 'PNG');
      sizes.push(`${png.readUInt32BE(16)}x${png.readUInt32BE(20)}`);
      assert.equal(icon.sizes, sizes.at(-1));
    }
    assert.deepEqual(sizes, ['192x192', '512x512']);
    await context.close();
  });
});

describe('offline', () => {
  it('every first visit installs the offline copy, which controls the reload', async () => {
    // The page registers its worker after it has wired itself, and the load may be
    // over by then; ten visits in a row, some from a link, which takes longer.
    for (let visit = 0; visit < 10; ++visit) {
      const context = await site.browser.newContext();
      const fragment = visit % 2 ? `#seed=${visit}` : '';
      const page = await openTown(context, `${site.server.url}index.html${fragment}`, { frames: 1 });
      await waitForAsync(page, async () => (await navigator.serviceWorker.getRegistration())?.active);
      await page.reload();
      await page.waitForFunction(() => window.gfx?.frames >= 1);
      assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), `visit ${visit}`);
      await context.close();
    }
  });

  it('after one visit the page starts with the network off', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html`);
    const { kept } = await untilKept(page);
    assert.deepEqual(kept.sort(), keptFiles().sort());
    await context.setOffline(true);
    await page.goto(`${site.server.url}index.html?seed=7`);
    await page.waitForFunction(() => window.gfx?.frames >= 3);
    assert.equal(await worldPixel(page, -190, -90), '99ffff', 'the pond, drawn offline');
    assert.equal(await selectedButton(page), 'light');
    assert.deepEqual(page.problems, []);
    await context.close();
  });

  it('a new build replaces the kept one on the next visit online', async () => {
    const dir = mkdtempSync(join(tmpdir(), 'town-site-'));
    cpSync(siteDir, dir, { recursive: true });
    const own = await startServer(dir);
    const context = await site.browser.newContext();
    try {
      const page = await openTown(context, `${own.url}index.html`);
      const first = await untilKept(page);

      // A new build: another page, and its worker with the digest of the new files.
      const index = join(dir, 'index.html');
      writeFileSync(index, readFileSync(index, 'utf8').replace('<body>', '<body data-build="new">'));
      execFileSync('cmake', [
        `-DSITE=${dir}`,
        `-DFILES=${keptFiles(dir).join(';')}`,
        '-DPROGRAM=town',
        `-DTEMPLATE=${resolve(root, 'gfx/backends/web/service_worker.js')}`,
        '-P',
        resolve(root, 'scripts/site/service_worker.cmake'),
      ]);
      // Python's server compares modification times in whole seconds: a build within
      // the second of the first visit would still be "not modified" to the browser.
      const later = Date.now() / 1000 + 5;
      for (const f of [index, join(dir, 'sw.js')]) utimesSync(f, later, later);

      await page.reload();
      await page.waitForFunction(() => window.gfx?.frames >= 3);
      assert.equal(await page.locator('body').getAttribute('data-build'), 'new', 'online: the new page');
      await waitForAsync(
        page,
        async (old) => {
          const names = await caches.keys();
          return names.length === 1 && names[0] !== old;
        },
        first.names[0],
        20000,
      );
      await context.setOffline(true);
      await page.reload();
      await page.waitForFunction(() => window.gfx?.frames >= 3);
      assert.equal(await page.locator('body').getAttribute('data-build'), 'new', 'offline: the new build kept');
    } finally {
      await context.close();
      own.stop();
      rmSync(dir, { recursive: true, force: true });
    }
  });
});

describe('accessibility', () => {
  async function violations(page) {
    await page.addScriptTag({ path: axeSource });
    const result = await page.evaluate(() => window.axe.run(document));
    return result.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target).join(' ')}`);
  }

  it('axe finds nothing with the menu closed, open, and after Quit', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html?menu=Logging`);
    await waitForLine(page, /./);
    assert.deepEqual(await violations(page), [], 'menu closed');
    await page.locator('#run-button').click();
    await page.locator('#run-menu').waitFor({ state: 'visible' });
    assert.deepEqual(await violations(page), [], 'menu open');
    await page.keyboard.press('Escape');
    await page.keyboard.press('Control+q');
    await page.waitForFunction(() => window.gfx.ended);
    assert.deepEqual(await violations(page), [], 'after Quit');
    await context.close();
  });

  it('axe finds nothing with the dialog open', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html?program=second_display`, { frames: 1 });
    await page.locator('#gets').waitFor({ state: 'visible' });
    assert.deepEqual(await violations(page), [], 'dialog open');
    await context.close();
  });

  it('the focused canvas shows a ring, and the panel is a log of its lines', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html?menu=Logging`);
    await waitForLine(page, /./);
    const ring = await page.evaluate(() => {
      const c = document.getElementById('canvas');
      const s = getComputedStyle(c);
      return [document.activeElement === c, s.outlineStyle, parseFloat(s.outlineWidth)];
    });
    assert.equal(ring[0], true, 'the canvas has the focus at load');
    assert.notEqual(ring[1], 'none');
    assert.ok(ring[2] >= 2, `outline ${ring[2]} px`);
    const log = await page.evaluate(() => {
      const p = document.getElementById('text-lines');
      const lines = [...p.querySelectorAll('div > div')];
      return [p.getAttribute('role'), lines.at(-1).textContent, window.gfx.lines().at(-1)];
    });
    assert.equal(log[0], 'log');
    assert.equal(log[1], log[2], 'the newest line is the last element of the log');
    await context.close();
  });
});

describe('screen sizes', () => {
  // The box of the panel's newest line, and what the page measures in the viewport.
  function layout(page) {
    return page.evaluate(() => {
      const box = (e) => e.getBoundingClientRect().toJSON();
      const lines = document.querySelectorAll('#text-lines > div > div');
      return {
        width: innerWidth,
        height: innerHeight,
        scrollWidth: document.documentElement.scrollWidth,
        scrollY,
        canvas: box(document.getElementById('canvas')),
        menu: box(document.getElementById('run-button')),
        newest: lines.length ? box(lines[lines.length - 1]) : null,
      };
    });
  }
  const inView = (b, l) => b.left >= 0 && b.top >= 0 && b.right <= l.width + 0.5 && b.bottom <= l.height + 0.5;

  for (const [name, viewport, ratio, newestInView] of [
    ['a phone held upright', { width: 375, height: 667 }, 2, true],
    ['a phone held upright', { width: 375, height: 667 }, 3, true],
    ['a phone held sideways', { width: 667, height: 375 }, 2, false],
    ['a laptop', { width: 1366, height: 768 }, 1, true],
  ]) {
    it(`${name}, ${viewport.width} x ${viewport.height} at ratio ${ratio}`, async () => {
      const context = await site.browser.newContext({
        viewport,
        deviceScaleFactor: ratio,
        isMobile: ratio > 1,
        hasTouch: ratio > 1,
      });
      const page = await openTown(context, `${site.server.url}index.html?menu=Logging`);
      await waitForLine(page, /./);
      await page.waitForFunction(() => window.gfx.frames >= 5);
      const l = await layout(page);
      assert.ok(l.scrollWidth <= l.width, `no sideways scrolling: ${l.scrollWidth} > ${l.width}`);
      const devicePixels = (l.canvas.width * ratio) / 601;
      assert.ok(Math.abs(devicePixels - Math.round(devicePixels)) < 0.01, `${devicePixels} device pixels a pixel`);
      assert.ok(Math.abs((l.canvas.height * ratio) / 501 - Math.round(devicePixels)) < 0.01);
      assert.equal(l.scrollY, 0, 'not scrolled at load');
      assert.ok(inView(l.menu, l), `the menu in view: ${JSON.stringify(l.menu)}`);
      if (newestInView) {
        assert.ok(inView(l.canvas, l), `the whole canvas in view: ${JSON.stringify(l.canvas)}`);
        assert.ok(inView(l.newest, l), `the newest line in view: ${JSON.stringify(l.newest)}`);
      }
      // A tap (or a click) on "Heavy Traffic" lands on the world point under it.
      await page.evaluate(() => document.getElementById('canvas').scrollIntoView({ block: 'end' }));
      const box = await page.locator('#canvas').boundingBox();
      const scale = box.width / 601;
      const at = [box.x + (300 + 150 + 0.5) * scale, box.y + (250 + 230 + 0.5) * scale];
      if (ratio > 1) await page.touchscreen.tap(...at);
      else await page.mouse.click(...at);
      await page.waitForFunction(() => {
        const d = document.getElementById('canvas').getContext('2d').getImageData(395, 480, 1, 1).data;
        return d[0] === 0x80 && d[1] === 0x80 && d[2] === 0x80;
      });
      assert.equal(await selectedButton(page), 'heavy');
      assert.deepEqual(page.problems, []);
      await context.close();
    });
  }

  it('long panel lines wrap inside the panel', async () => {
    const context = await site.browser.newContext({ viewport: { width: 375, height: 667 }, deviceScaleFactor: 2 });
    const page = await openTown(context, `${site.server.url}index.html?menu=Logging`);
    await waitForLine(page, /./);
    const fit = await page.evaluate(() => {
      const panel = document.getElementById('text-lines');
      return [...panel.querySelectorAll('div > div')].every((d) => d.scrollWidth <= panel.clientWidth);
    });
    assert.ok(fit);
    await context.close();
  });
});

describe('the same town as the desktop', () => {
  it('after a seeded script the log and the canvas are town-replay\'s, byte for byte', async () => {
    assert.ok(existsSync(townReplay), `${townReplay} is missing: build the debug preset first`);
    const dir = mkdtempSync(join(tmpdir(), 'town-replay-'));
    const script = 'DROVA_PERIODIC(30);\nDROVA_MOUSE(150, -230);\nDROVA_PERIODIC(45);\nDROVA_MOUSE(250, -230);\nDROVA_PERIODIC(20);\n';
    const seed = 1733750400;
    try {
      writeFileSync(join(dir, 'run.scr'), script, 'latin1');
      const replayLog = execFileSync(
        townReplay,
        ['--seed', String(seed), '--script', join(dir, 'run.scr'), '--log', '--png', join(dir, 'run.png')],
        { encoding: 'latin1', maxBuffer: 256 * 1024 * 1024 },
      ).split('\n');
      replayLog.pop(); // after the last line end
      const png = decodePng(readFileSync(join(dir, 'run.png')));

      const context = await site.browser.newContext();
      const setup = await openTown(context, `${site.server.url}index.html`);
      await setup
        .locator('#upload-file')
        .setInputFiles({ name: 'run.scr', mimeType: 'text/plain', buffer: Buffer.from(script, 'latin1') });
      await setup.waitForFunction(() => /uploaded/.test(document.getElementById('storage-status').textContent));
      await setup.close();
      // The drawing log on and the script played from the first wait on, as town-replay
      // plays it with --log.
      const page = await openTown(context, `${site.server.url}index.html?seed=${seed}&menu=Logging,PlaybackScript`);
      await waitForLine(page, /^EOF encountered in script file DROVA\.SCR$/, 30000);
      await page.waitForFunction(() => !window.gfx.ticking);
      // town-replay quits when nothing is left to happen, and the quit repaints once more.
      await page.keyboard.press('Control+q');
      await page.waitForFunction(() => window.gfx.ended);
      const [count, newest] = await page.evaluate(() => [window.gfx.logCount, window.gfx.lines()]);
      assert.equal(count, replayLog.length, 'as many log lines as town-replay writes');
      assert.deepEqual(newest, replayLog.slice(-newest.length), 'the same last lines');
      const canvas = Buffer.from(
        await page.evaluate(() => [
          ...document.getElementById('canvas').getContext('2d').getImageData(0, 0, 601, 501).data,
        ]),
      );
      const rows = png.rgba.subarray(0, 601 * 501 * 4);
      const differing = [];
      for (let i = 0; i < rows.length; i += 4)
        if (rows.compare(canvas, i, i + 4, i, i + 4) !== 0) differing.push([(i / 4) % 601, Math.floor(i / 4 / 601)]);
      const span = (k) => [Math.min(...differing.map((p) => p[k])), Math.max(...differing.map((p) => p[k]))];
      assert.equal(differing.length, 0, `${differing.length} pixels differ, x ${span(0)}, y ${span(1)}`);
      assert.ok(canvas.equals(rows));
      await context.close();
    } finally {
      rmSync(dir, { recursive: true, force: true });
    }
  });
});
