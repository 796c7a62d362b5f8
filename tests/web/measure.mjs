// Measures the web edition in Chromium: the page's transfer size, the CPU of the
// page's renderer process animating at start-up and halted (from /proc), and the
// repaint of a town of about 1,300 vehicles, and a playback of 3,000 scripted ticks
// (its time and the page's longest task), and how soon keys act while a script plays. Run it after scripts/web.sh --build:
//   node tests/web/measure.mjs [seconds]      everything
//   node tests/web/measure.mjs playback       the playback alone
import { readFileSync, readdirSync } from 'node:fs';
import { chromium } from 'playwright-core';

import { startServer } from './harness.mjs';

const playbackOnly = process.argv[2] === 'playback';
const seconds = Number((!playbackOnly && process.argv[2]) || 20);
const hz = 100; // clock ticks per second of /proc/PID/stat on Linux
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));

function stat(pid) {
  try {
    const s = readFileSync(`/proc/${pid}/stat`, 'utf8');
    const f = s.slice(s.lastIndexOf(')') + 2).split(' ');
    return { ppid: Number(f[1]), cpu: Number(f[11]) + Number(f[12]) };
  } catch {
    return null;
  }
}

// Chromium's processes below the browser process, by their --type.
function chromiumProcesses(browserPid) {
  const all = readdirSync('/proc').filter((d) => /^\d+$/.test(d)).map(Number);
  const parent = new Map(all.map((p) => [p, stat(p)?.ppid]));
  const below = (p) => {
    for (let q = parent.get(p); q; q = parent.get(q)) if (q === browserPid) return true;
    return false;
  };
  const result = {};
  for (const p of all.filter(below)) {
    let cmd = '';
    try {
      cmd = readFileSync(`/proc/${p}/cmdline`, 'utf8');
    } catch {
      continue;
    }
    const type = /--type=([a-z-]+)/.exec(cmd)?.[1];
    if (type) (result[type] ||= []).push(p);
  }
  return result;
}

async function cpuOver(pids, ms) {
  const before = pids.map((p) => stat(p)?.cpu ?? 0);
  await sleep(ms);
  const used = pids.map((p, i) => (stat(p)?.cpu ?? before[i]) - before[i]);
  return used.map((t) => (100 * t) / hz / (ms / 1000));
}

const server = await startServer();
const browserServer = await chromium.launchServer({
  executablePath: '/usr/bin/chromium',
  args: ['--headless=new', '--no-sandbox'],
});
const browser = await chromium.connect(browserServer.wsEndpoint());
const browserPid = browserServer.process().pid;

// 3,000 ticks of DROVA_PERIODIC(3000) played from a halted town, timed in the page
// from the Ctrl+P key to the line that ends playback.
// A page of the town from seed 1 in a profile of its own, with script stored.
async function townWithScript(script) {
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(`${server.url}index.html?seed=1`);
  await page.waitForFunction(() => window.gfx?.frames >= 3);
  await page.locator('#upload-file').setInputFiles({
    name: 'run.scr',
    mimeType: 'text/plain',
    buffer: Buffer.from(script),
  });
  await page.waitForFunction(() => /uploaded/.test(document.getElementById('storage-status').textContent));
  return { context, page };
}

async function measurePlayback() {
  const { context, page } = await townWithScript('DROVA_PERIODIC(3000);\n');
  await page.keyboard.press('Control+h');
  await page.waitForFunction(() => !window.gfx.ticking);
  await page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver((l) => window.longTasks.push(...l.getEntries().map((e) => e.duration))).observe({
      type: 'longtask',
    });
    window.paints = 0;
    const paint = () => {
      ++window.paints;
      requestAnimationFrame(paint);
    };
    requestAnimationFrame(paint);
    document.addEventListener('keydown', () => (window.keyAt ??= performance.now()), { capture: true });
    window.gfx.onLine = (line) => {
      if (/^EOF encountered/.test(line)) window.endAt = performance.now();
    };
  });
  await page.keyboard.press('Control+p');
  await page.waitForFunction(() => window.endAt, null, { timeout: 120000, polling: 100 });
  const r = await page.evaluate(() => ({
    ms: window.endAt - window.keyAt,
    longest: Math.max(0, ...window.longTasks),
    paints: window.paints,
  }));
  console.log(
    `3,000 scripted ticks: ${(r.ms / 1000).toFixed(2)} s; longest task ${r.longest} ms; ` +
      `${r.paints} paints meanwhile`,
  );
  await context.close();
}

// The milliseconds from a key to the change it makes, both timed in the page: the key
// when its keydown reaches the page, the change when the page's DOM shows it.
async function msFromKeyTo(page, key, test) {
  await page.evaluate((source) => {
    const done = new Function(`return (${source})();`);
    window.keyAt = null;
    window.changeAt = null;
    document.addEventListener('keydown', () => (window.keyAt ??= performance.now()), {
      capture: true,
      once: true,
    });
    new MutationObserver((_, observer) => {
      if (window.keyAt === null || !done()) return;
      window.changeAt = performance.now();
      observer.disconnect();
    }).observe(document.body, { attributes: true, subtree: true });
  }, test.toString());
  await page.keyboard.press(key);
  await page.waitForFunction(() => window.changeAt !== null);
  return page.evaluate(() => window.changeAt - window.keyAt);
}

// While a long script plays: how soon Ctrl+P stops it, and Ctrl+Q ends the program.
async function measureKeys() {
  const { context, page } = await townWithScript('DROVA_PERIODIC(30000);\n');
  const play = async () => {
    await page.keyboard.press('Control+p');
    await page.waitForFunction((n) => window.gfx.frames > n, (await page.evaluate(() => window.gfx.frames)) + 200);
  };
  await play();
  const stop = await msFromKeyTo(page, 'Control+p', () => !window.gfx.menuChecked('PlaybackScript'));
  await play();
  const end = await msFromKeyTo(page, 'Control+q', () => window.gfx.ended);
  console.log(`while a script plays: Ctrl+P stops it in ${stop.toFixed(1)} ms, Ctrl+Q ends the program in ${end.toFixed(1)} ms`);
  await context.close();
}

try {
  await measurePlayback();
  await measureKeys();
  if (!playbackOnly) await measureTheRest();
} finally {
  await browser.close();
  await browserServer.close();
  server.stop();
}

async function measureTheRest() {
  // Transfer size: every response of a first visit, headers included.
  const renderersBefore = new Set(chromiumProcesses(browserPid).renderer || []);
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(`${server.url}index.html`);
  await page.waitForFunction(() => window.gfx?.frames >= 3);
  const transfer = await page.evaluate(() =>
    performance
      .getEntries()
      .filter((e) => 'transferSize' in e)
      .map((e) => [e.name.replace(location.origin, ''), e.transferSize]),
  );
  const total = transfer.reduce((s, [, n]) => s + n, 0);
  console.log(`transfer size of a first visit: ${(total / 1024).toFixed(1)} KiB`);
  for (const [name, n] of transfer) console.log(`  ${name}: ${(n / 1024).toFixed(1)} KiB`);

  // CPU: the page's renderer process (the one that came with the page), and the GPU
  // process, which composites the canvas.
  await sleep(2000);
  const procs = chromiumProcesses(browserPid);
  const renderers = (procs.renderer || []).filter((p) => !renderersBefore.has(p));
  const gpu = procs['gpu-process'] || [];
  const report = (what, r, g) =>
    console.log(
      `CPU ${what}: renderer ${r.reduce((a, b) => a + b, 0).toFixed(2)}% of a core` +
        ` (${r.map((v) => v.toFixed(2)).join(' + ')}), GPU process ${g.reduce((a, b) => a + b, 0).toFixed(2)}%`,
    );
  const ms = seconds * 1000;
  console.log(`renderer processes: ${procs.renderer}; the page's: ${renderers}`);
  let [r, g] = await Promise.all([cpuOver(renderers, ms), cpuOver(gpu, ms)]);
  report(`animating (${seconds} s from 2 s after start-up)`, r, g);
  await page.keyboard.press('Control+h');
  await sleep(1000);
  [r, g] = await Promise.all([cpuOver(renderers, ms), cpuOver(gpu, ms)]);
  report(`halted (${seconds} s)`, r, g);
  await context.close();

  // The repaint of a big town.
  const benchContext = await browser.newContext();
  const bench = await benchContext.newPage();
  await bench.goto(`${server.url}index.html?program=repaint_bench`);
  await bench.waitForFunction(() => window.gfx?.ended, null, { timeout: 120000 });
  const lines = await bench.evaluate(() => window.gfx.lines());
  console.log(lines.filter((l) => l.startsWith('repaint')).join('\n'));
  await benchContext.close();
}
