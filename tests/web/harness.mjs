// Serves the built page on 127.0.0.1 and drives it in Debian's Chromium.
import { existsSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

import { answers, startLimitMs, startProgram, untilReady } from './started.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const siteDir = process.env.TOWN_SITE_DIR || resolve(root, 'build/web/site');
// The site of an example program, built as a user's program is.
export const exampleSiteDir = resolve(siteDir, '../bounce-site');
// The same example's site built out of the tree from the library's web package
// (tests/web/installed_site.sh).
export const installedExampleSiteDir = resolve(siteDir, '../installed-examples/bounce-site');
// The project's site: the documents, the reference, the gallery and the town.
export const guideDir = process.env.TOWN_GUIDE_DIR || resolve(siteDir, '../guide');
const chromiumPath = process.env.TOWN_CHROMIUM || '/usr/bin/chromium';

// python3's own web server on a port the system picks, serving the built page (or
// another folder); resolves to its address once it answers there.
export async function startServer(dir = siteDir) {
  if (!existsSync(resolve(dir, 'index.html'))) {
    throw new Error(`${dir} holds no built page: run cmake --build --preset web`);
  }
  const server = startProgram('python3', ['-u', '-m', 'http.server', '--bind', '127.0.0.1', '--directory', dir, '0']);
  // Also when the test run is stopped: the server never outlives it.
  for (const signal of ['SIGINT', 'SIGTERM'])
    process.once(signal, () => {
      server.stop();
      process.exit(1);
    });
  const what = `the web server (python3 -m http.server) of ${dir}`;
  const port = await untilReady(what, server, () => /port (\d+)/.exec(server.log())?.[1]);
  const url = `http://127.0.0.1:${port}/`;
  await untilReady(`${what} at ${url}`, server, () => answers(url));
  return { url, stop: server.stop };
}

// Playwright waits for the browser's own sign that it is ready, and names its log
// when the time is up.
export function launchBrowser() {
  return chromium.launch({
    executablePath: chromiumPath,
    args: ['--headless=new', '--no-sandbox'],
    timeout: startLimitMs,
  });
}

// A page with everything it says on the console collected as problems when they are
// errors. Its waits name those problems when they time out, so that a page that
// stopped on an error says why; and they refuse an async condition, whose promise
// playwright would take as true at once.
export async function watchedPage(context) {
  const page = await context.newPage();
  const problems = [];
  page.on('console', (m) => m.type() === 'error' && problems.push(m.text()));
  page.on('pageerror', (e) => problems.push(e.message));
  page.problems = problems;
  const waitForFunction = page.waitForFunction.bind(page);
  page.waitForFunction = async (condition, ...rest) => {
    if (condition?.constructor?.name === 'AsyncFunction')
      throw new Error('waitForFunction takes a promise as true at once: give it a plain function');
    try {
      return await waitForFunction(condition, ...rest);
    } catch (error) {
      if (problems.length) error.message += `\nThe page's console errors: ${problems.join(' | ')}`;
      throw error;
    }
  };
  return page;
}

// Waits until an async condition evaluated in the page resolves to a true value,
// asking again every 100 ms; resolves to that value.
export async function waitForAsync(page, condition, arg, timeout = 10000) {
  const deadline = Date.now() + timeout;
  for (;;) {
    const value = await page.evaluate(condition, arg);
    if (value) return value;
    if (Date.now() > deadline) {
      const problems = page.problems?.length ? ` The page's console errors: ${page.problems.join(' | ')}` : '';
      throw new Error(`Timeout ${timeout} ms exceeded waiting for ${condition}.${problems}`);
    }
    await new Promise((r) => setTimeout(r, 100));
  }
}

// A page of the town, waited for until it has shown its first frames.
export async function openTown(context, url, { frames = 3 } = {}) {
  const page = await watchedPage(context);
  await page.goto(url);
  // The first frames are the cleared image; the town comes with the first event.
  await page.waitForFunction((n) => window.gfx?.frames >= n, frames);
  return page;
}

// The canvas pixel of world (x, y): the world origin is the centre of the client area
// the program presents, as the library puts it. canvas: { width, height } in pixels.
export const canvasPoint = (canvas, x, y) => [Math.floor(canvas.width / 2) + x, Math.floor(canvas.height / 2) - y];

// The canvas's size in its own pixels, as the program presented it.
export const canvasSize = (page) =>
  page.evaluate(() => {
    const c = document.getElementById('canvas');
    return { width: c.width, height: c.height };
  });

// The colour of the canvas at world (x, y) as "rrggbb".
export async function worldPixel(page, x, y) {
  return page.evaluate(
    ([px, py]) => {
      const d = document.getElementById('canvas').getContext('2d').getImageData(px, py, 1, 1).data;
      return [d[0], d[1], d[2]].map((v) => v.toString(16).padStart(2, '0')).join('');
    },
    canvasPoint(await canvasSize(page), x, y),
  );
}

// Distinct colours in a canvas rectangle given in world coordinates (left, top).
export async function coloursIn(page, x, y, width, height) {
  return page.evaluate(
    ([px, py, w, h]) => {
      const d = document.getElementById('canvas').getContext('2d').getImageData(px, py, w, h).data;
      const seen = new Set();
      for (let i = 0; i < d.length; i += 4) seen.add((d[i] << 16) | (d[i + 1] << 8) | d[i + 2]);
      return seen.size;
    },
    [...canvasPoint(await canvasSize(page), x, y), width, height],
  );
}

// A left click at world (x, y), through the browser's input, as a user gives it.
export async function clickWorld(page, x, y) {
  const box = await page.locator('#canvas').boundingBox();
  const size = await canvasSize(page);
  const [px, py] = canvasPoint(size, x, y);
  const scale = box.width / size.width;
  await page.mouse.click(box.x + (px + 0.5) * scale, box.y + (py + 0.5) * scale);
}

export const frames = (page) => page.evaluate(() => window.gfx.frames);
export const lines = (page) => page.evaluate(() => window.gfx.lines());

// Waits until the text panel shows a line that matches.
export function waitForLine(page, pattern, timeout = 10000) {
  return page.waitForFunction(
    ([source, flags]) => window.gfx.lines().some((l) => new RegExp(source, flags).test(l)),
    [pattern.source, pattern.flags],
    { timeout },
  );
}

// From now on keeps every line the panel is given, also those scrolled away since.
export function collectLines(page) {
  return page.evaluate(() => {
    window.seenLines = [];
    window.gfx.onLine = (line) => window.seenLines.push(line);
  });
}

export function waitForSeenLine(page, pattern, timeout = 10000) {
  return page.waitForFunction(
    ([source, flags]) => window.seenLines.some((l) => new RegExp(source, flags).test(l)),
    [pattern.source, pattern.flags],
    { timeout },
  );
}

// The storage status line beside Download and Upload.
export const storageStatus = (page) =>
  page.evaluate(() => document.getElementById('storage-status').textContent);

// The stored DROVA.SCR as text, or null, read from the page's IndexedDB record.
export function storedScript(page) {
  return page.evaluate(
    () =>
      new Promise((resolve, reject) => {
        const open = indexedDB.open('gfx-page', 1);
        open.onupgradeneeded = () => open.result.createObjectStore('scripts');
        open.onerror = () => reject(open.error);
        open.onsuccess = () => {
          const get = open.result.transaction('scripts').objectStore('scripts').get('DROVA.SCR');
          get.onsuccess = () => {
            open.result.close();
            const bytes = get.result?.bytes ?? get.result;
            resolve(bytes ? String.fromCharCode(...bytes) : null);
          };
          get.onerror = () => reject(get.error);
        };
      }),
  );
}

// Gives the file input a file, as a user choosing it would; resolves at once.
export function chooseUpload(page, bytes, name = 'run.scr') {
  return page.locator('#upload-file').setInputFiles({ name, mimeType: 'text/plain', buffer: bytes });
}

// Uploads a script and waits until the page says that it is stored.
export async function uploadScript(page, text) {
  await chooseUpload(page, Buffer.from(text, 'latin1'));
  await page.waitForFunction(() =>
    /uploaded/.test(document.getElementById('storage-status').textContent),
  );
}

// Waits until the program waits for the user alone: no tick is awaited any more.
export function untilHalted(page) {
  return page.waitForFunction(() => !window.gfx.ticking);
}

// Which traffic button is highlighted: 'heavy', 'light' or what was seen instead.
export async function selectedButton(page) {
  const heavy = await worldPixel(page, 95, -230);
  const light = await worldPixel(page, 195, -230);
  if (heavy === '808080' && light === 'cccccc') return 'heavy';
  if (light === '808080' && heavy === 'cccccc') return 'light';
  return `none (heavy ${heavy}, light ${light})`;
}

// The selected button once it is the one expected, or what is drawn when 5 s have
// passed: a line of the log is out before the frame that draws it is on the canvas.
export async function untilSelected(page, expected, timeout = 5000) {
  const deadline = Date.now() + timeout;
  for (;;) {
    const now = await selectedButton(page);
    if (now === expected || Date.now() > deadline) return now;
    await new Promise((r) => setTimeout(r, 50));
  }
}

// The built site on a server of its own and one browser, for the tests of one file:
// started before them, ended after them. Read `server` and `browser` inside a test.
export function siteAndBrowser(dir = siteDir) {
  const site = {};
  before(async () => {
    site.server = await startServer(dir);
    site.browser = await launchBrowser();
  });
  after(async () => {
    await site.browser?.close();
    site.server?.stop();
  });
  return site;
}
