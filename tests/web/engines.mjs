// One small driver over the three browser engines, so that a scenario is written once:
// Chromium through playwright-core, Firefox ESR through WebDriver BiDi (puppeteer-core),
// WebKitGTK's MiniBrowser through WebDriver (selenium-webdriver and WebKitWebDriver)
// on an Xvfb display of its own. Every browser is Debian's; nothing is downloaded.
//   const engine = await launchEngine('firefox');
//   const page = await engine.open(url);   // a tab of the engine's one profile
//   await page.evaluate(fn, arg); await page.press('Control+p'); await page.click('#share');
//   await page.clickAt('#canvas', x, y);      // CSS pixels from the element's top left
//   await page.setWidth(390);                  // resolves to the width the page got
//   await page.waitFor(fn, arg, ms); page.errors(); await page.close();
//   await engine.clipboardText(page); await engine.fresh(url); await engine.close();
import { execFile } from 'node:child_process';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';
import { Builder, Key } from 'selenium-webdriver';

import { launchBrowser } from './harness.mjs';
import { answeredWithin, startLimitMs, startProgram, untilReady } from './started.mjs';

export const EngineNames = ['chromium', 'firefox', 'webkit'];
const firefoxPath = process.env.TOWN_FIREFOX || '/usr/bin/firefox-esr';
const miniBrowser = process.env.TOWN_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const Width = 1024;
const Height = 768;
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

// A function and its argument as the source of an expression that calls it.
const callSource = (fn, arg) => `(${fn.toString()})(${JSON.stringify(arg ?? null)})`;

// Polls in node: the same in every engine, and a condition may be async.
async function poll(page, fn, arg, timeout, what) {
  const end = Date.now() + timeout;
  for (;;) {
    let last;
    try {
      last = await page.evaluate(fn, arg);
      if (last) return last;
    } catch (error) {
      last = error.message; // a page that is loading has no context for a moment
    }
    if (Date.now() > end) throw new Error(`${what ?? fn.toString()}: not within ${timeout} ms (${last})`);
    await sleep(50);
  }
}

// 'Control+p' as its keys.
const keysOf = (combo) => (combo.length > 1 && combo.endsWith('+') ? [...combo.slice(0, -2).split('+'), '+'] : combo.split('+'));

// What the page says on its console as errors, and its uncaught errors, collected in
// the page; for WebKit's WebDriver, which hands no console over, from its load on.
function watchErrors() {
  if (window.engineErrors) return;
  window.engineErrors = [];
  const error = console.error.bind(console);
  console.error = (...args) => {
    window.engineErrors.push(args.join(' '));
    error(...args);
  };
  addEventListener('error', (e) => window.engineErrors.push(e.message));
  addEventListener('unhandledrejection', (e) => window.engineErrors.push(String(e.reason)));
}

// A page of playwright or puppeteer (their pages speak alike) with its console errors
// collected; own(p) gives the calls in which the two differ.
async function openPuppetPage(ctx, url, own) {
  const p = await ctx.newPage();
  const problems = [];
  p.on('console', (m) => m.type() === 'error' && problems.push(m.text()));
  p.on('pageerror', (e) => problems.push(e.message));
  await p.goto(url);
  return {
    raw: p,
    evaluate: (fn, arg) => p.evaluate(callSource(fn, arg)),
    goto: (u) => p.goto(u),
    reload: () => p.reload(),
    bringToFront: () => p.bringToFront(),
    errors: async () => problems.slice(),
    close: () => p.close(),
    ...own(p),
  };
}

// A page in a profile of its own, which closes with it.
async function inOwnProfile(ctx, open) {
  const page = await open(ctx);
  const close = page.close;
  page.close = async () => {
    await close();
    await ctx.close();
  };
  return page;
}

// ---- Chromium ----------------------------------------------------------------------

async function launchChromium() {
  const browser = await launchBrowser();
  const context = await browser.newContext({
    viewport: { width: Width, height: Height },
    permissions: ['clipboard-read', 'clipboard-write'],
  });
  const wrap = (ctx, url) =>
    openPuppetPage(ctx, url, (p) => ({
      press: (combo) => p.keyboard.press(combo),
      click: (selector) => p.locator(selector).first().click(),
      clickAt: (selector, x, y) => p.locator(selector).first().click({ position: { x, y } }),
      setWidth: async (width) => {
        await p.setViewportSize({ width, height: Height });
        return width;
      },
    }));
  return {
    name: 'chromium',
    version: browser.version(),
    open: (url) => wrap(context, url),
    // A profile of its own, gone when the page closes.
    fresh: async (url) =>
      inOwnProfile(await browser.newContext({ viewport: { width: Width, height: Height } }), (ctx) =>
        wrap(ctx, url),
      ),
    clipboardText: (page) => page.evaluate(() => navigator.clipboard.readText()),
    close: () => browser.close(),
  };
}

// ---- Firefox -----------------------------------------------------------------------

async function launchFirefox() {
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: firefoxPath,
    headless: true,
    protocol: 'webDriverBiDi',
    // Puppeteer waits for the browser's own sign that it is ready.
    timeout: startLimitMs,
    defaultViewport: { width: Width, height: Height },
    // The page's clipboard is read without the paste prompt a user would see.
    extraPrefsFirefox: { 'dom.events.testing.asyncClipboard': true },
  });
  const wrap = (ctx, url) =>
    openPuppetPage(ctx, url, (p) => ({
      press: async (combo) => {
        const keys = keysOf(combo);
        for (const k of keys.slice(0, -1)) await p.keyboard.down(k);
        await p.keyboard.press(keys.at(-1));
        for (const k of keys.slice(0, -1).reverse()) await p.keyboard.up(k);
      },
      click: (selector) => p.click(selector),
      clickAt: async (selector, x, y) => {
        const box = await (await p.$(selector)).boundingBox();
        await p.mouse.click(box.x + x, box.y + y);
      },
      setWidth: async (width) => {
        await p.setViewport({ width, height: Height });
        return width;
      },
    }));
  return {
    name: 'firefox',
    version: await browser.version(),
    open: (url) => wrap(browser, url),
    fresh: async (url) => inOwnProfile(await browser.createBrowserContext(), (ctx) => wrap(ctx, url)),
    clipboardText: (page) => page.evaluate(() => navigator.clipboard.readText()),
    close: () => browser.close(),
  };
}

// ---- WebKit ------------------------------------------------------------------------

// Xvfb on a display it picks itself, told through a pipe of this start's own;
// resolves to { display, stop } once the server answers there. -noreset: the check,
// its first client, would otherwise make it reset on leaving.
async function startXvfb() {
  const xvfb = startProgram('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp', '-noreset'], {
    extraPipes: 1,
  });
  let number = '';
  xvfb.child.stdio[3].on('data', (chunk) => (number += chunk));
  const display = await untilReady('Xvfb (its display number)', xvfb, () => /^(\d+)\n/.exec(number) && `:${number.trim()}`);
  await untilReady(`the X server on ${display}`, xvfb, () => xAnswers(display));
  return { display, stop: xvfb.stop };
}

// The X server on the display lets a client in.
const xAnswers = (display) =>
  new Promise((resolve) => execFile('xdpyinfo', ['-display', display], { timeout: 5000 }, (error) => resolve(!error)));

// A port that was free a moment ago.
function freePort() {
  return new Promise((resolve, reject) => {
    const probe = createServer();
    probe.once('error', reject);
    probe.listen(0, '127.0.0.1', () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// WebKitWebDriver on a port it is given, waited for until it says it is ready; tried
// on another port if that one was taken meanwhile (the driver then ends at once).
async function startWebKitDriver(env) {
  let failure;
  for (let attempt = 0; attempt < 5; ++attempt) {
    const port = await freePort();
    const url = `http://127.0.0.1:${port}`;
    const driver = startProgram('WebKitWebDriver', [`--port=${port}`], { env });
    try {
      await untilReady(`WebKitWebDriver at ${url}`, driver, async () => {
        const status = await (await fetch(`${url}/status`, { signal: AbortSignal.timeout(5000) })).json();
        return status.value;
      });
      return { url, stop: driver.stop, log: driver.log };
    } catch (error) {
      driver.stop();
      if (driver.ended() === null) throw error;
      failure = error;
    }
  }
  throw failure;
}

// A session of MiniBrowser's. The driver never answers when the browser it starts
// ends or hangs at once, so the wait is bounded; the browser's output is in its log.
async function webkitSession(driver, args = []) {
  const building = new Builder()
    .usingServer(driver.url)
    .withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation', ...args] },
    })
    .build();
  const session = await answeredWithin(`MiniBrowser's session through WebKitWebDriver at ${driver.url}`, driver, building);
  await session.manage().window().setRect({ x: 0, y: 0, width: Width, height: Height });
  return session;
}

const webkitKeys = { Control: Key.CONTROL, Alt: Key.ALT, Shift: Key.SHIFT, Escape: Key.ESCAPE, Enter: Key.ENTER };

async function launchWebKit() {
  const x = await startXvfb();
  const env = { ...process.env, DISPLAY: x.display };
  delete env.WAYLAND_DISPLAY;
  const driver = await startWebKitDriver(env);
  let session;
  try {
    session = await webkitSession(driver);
  } catch (error) {
    driver.stop();
    x.stop();
    throw error;
  }
  const caps = await session.getCapabilities();
  // The tab the session talks to: every call first makes its own tab current.
  const current = new Map();
  const wrap = async (s, handle, url) => {
    const use = async () => {
      if (current.get(s) !== handle) {
        await s.switchTo().window(handle);
        current.set(s, handle);
      }
    };
    const page = {
      raw: s,
      evaluate: async (fn, arg) => {
        await use();
        return s.executeAsyncScript(
          `const done = arguments[arguments.length - 1];
           Promise.resolve().then(() => ${callSource(fn, arg)})
             .then((v) => done({ v }), (e) => done({ e: String(e && e.stack || e) }));`,
        ).then((r) => {
          if (r.e) throw new Error(r.e);
          return r.v;
        });
      },
      goto: async (u) => {
        await use();
        await s.get(u);
        await page.evaluate(watchErrors);
      },
      reload: async () => {
        await use();
        await s.navigate().refresh();
        await page.evaluate(watchErrors);
      },
      press: async (combo) => {
        await use();
        const keys = keysOf(combo).map((k) => webkitKeys[k] ?? k);
        let a = s.actions({ async: true });
        for (const k of keys.slice(0, -1)) a = a.keyDown(k);
        a = a.keyDown(keys.at(-1)).keyUp(keys.at(-1));
        for (const k of keys.slice(0, -1).reverse()) a = a.keyUp(k);
        await a.perform();
      },
      click: async (selector) => {
        await use();
        await s.findElement({ css: selector }).click();
      },
      clickAt: async (selector, x, y) => {
        await use();
        const element = await s.findElement({ css: selector });
        const { width, height } = await element.getRect();
        // WebDriver's offsets count from the element's centre.
        await s
          .actions({ async: true })
          .move({ origin: element, x: Math.round(x - width / 2), y: Math.round(y - height / 2) })
          .click()
          .perform();
      },
      // MiniBrowser's window is never narrower than its tool bar: the width the page got.
      setWidth: async (width) => {
        await use();
        const inner = await page.evaluate(() => innerWidth);
        const rect = await s.manage().window().getRect();
        await s.manage().window().setRect({ width: rect.width - inner + width, height: rect.height });
        await sleep(300);
        return page.evaluate(() => innerWidth);
      },
      bringToFront: use,
      errors: async () => (await page.evaluate(() => window.engineErrors ?? [])).slice(),
      close: async () => {
        await use();
        // The session ends with its last window: that one is kept, blank, for the next page.
        if ((await s.getAllWindowHandles()).length === 1) {
          await s.get('about:blank');
          spare = handle;
          return;
        }
        await s.close();
        // WebDriver's current window is gone with it: the session talks to another.
        const [left] = await s.getAllWindowHandles();
        await s.switchTo().window(left);
        current.set(s, left);
      },
    };
    await page.goto(url);
    return page;
  };
  let spare = await session.getWindowHandle();
  return {
    name: 'webkit',
    version: caps.get('browserVersion'),
    open: async (url) => {
      let handle = spare;
      spare = null;
      if (handle) await session.switchTo().window(handle);
      else handle = (await session.switchTo().newWindow('tab'), await session.getWindowHandle());
      current.set(session, handle);
      return wrap(session, handle, url);
    },
    // A second browser, in private browsing: a profile of its own. Its driver takes
    // one session only, so it has a driver of its own too.
    fresh: async (url) => {
      const own = await startWebKitDriver(env);
      const s = await webkitSession(own, ['--private']).catch((error) => {
        own.stop();
        throw error;
      });
      const page = await wrap(s, await s.getWindowHandle(), url).catch(async (error) => {
        await s.quit().catch(() => {});
        own.stop();
        throw error;
      });
      page.close = async () => {
        await s.quit().catch(() => {});
        own.stop();
      };
      return page;
    },
    // The X clipboard, where WebKitGTK puts what a page writes.
    clipboardText: () =>
      new Promise((resolve, reject) =>
        execFile('xclip', ['-o', '-selection', 'clipboard'], { env, timeout: 5000 }, (error, out) =>
          error ? reject(error) : resolve(out),
        ),
      ),
    close: async () => {
      await session.quit().catch(() => {});
      driver.stop();
      x.stop();
    },
  };
}

export function launchEngine(name) {
  return { chromium: launchChromium, firefox: launchFirefox, webkit: launchWebKit }[name]();
}

// Polls a condition in the page until it holds (the result returned) or time is up.
export function waitFor(page, fn, arg = null, timeout = 15000, what = undefined) {
  return poll(page, fn, arg, timeout, what);
}
