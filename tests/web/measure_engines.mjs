// Measures the page in each browser engine: the first frame of a fresh tab, a playback
// of 3,000 scripted ticks (from the Ctrl+P key to the end of the script, timed in the
// page) and the longest gap of a heartbeat in the page meanwhile (a MessageChannel
// loop: no engine but Chromium reports long tasks). Run it after scripts/web.sh --build:
//   node tests/web/measure_engines.mjs [runs] [engine...]     (5 runs, every engine)
import { startServer } from './harness.mjs';
import { EngineNames, launchEngine, waitFor } from './engines.mjs';
import { haltedWithScript } from './engine_scenes.mjs';

const runs = Number(process.argv[2]) || 5;
const names = process.argv.slice(3).length ? process.argv.slice(3) : EngineNames;

function watchHeartbeat() {
  const channel = new MessageChannel();
  window.beat = { last: performance.now(), longest: 0, on: true };
  channel.port1.onmessage = () => {
    const now = performance.now();
    window.beat.longest = Math.max(window.beat.longest, now - window.beat.last);
    window.beat.last = now;
    if (window.beat.on) channel.port2.postMessage(null);
  };
  channel.port2.postMessage(null);
  window.endAt = null;
  window.keyAt = null;
  document.addEventListener('keydown', () => (window.keyAt ??= performance.now()), { capture: true });
  window.gfx.onLine = (line) => {
    if (/^EOF encountered/.test(line)) {
      window.endAt = performance.now();
      window.beat.on = false;
    }
  };
  return true;
}

const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

// The first frame of a tab, in ms from its navigation (polled every 50 ms, so up to that
// much late), then 3,000 ticks played in another tab.
async function measureRun(engine, url) {
  const first = await engine.open(`${url}index.html?seed=1`);
  await waitFor(first, () => window.gfx?.frames >= 3);
  const firstFrame = await first.evaluate(() => performance.now());
  await first.close();
  const page = await haltedWithScript(engine, url, 'DROVA_PERIODIC(3000);\n');
  await page.evaluate(watchHeartbeat);
  const framesBefore = await page.evaluate(() => window.gfx.frames);
  await page.press('Control+p');
  await waitFor(page, () => window.endAt, null, 120000);
  const r = await page.evaluate(() => ({ ms: window.endAt - window.keyAt, gap: window.beat.longest, frames: window.gfx.frames }));
  await page.close();
  return { firstFrame, ms: r.ms, gap: r.gap, frames: r.frames - framesBefore };
}

// The engines take turns, run by run, so that a machine busy for a while weighs on each.
const server = await startServer();
const engines = [];
try {
  for (const name of names) engines.push(await launchEngine(name));
  const results = new Map(engines.map((e) => [e, []]));
  for (let run = 0; run < runs; ++run) {
    for (const engine of engines) results.get(engine).push(await measureRun(engine, server.url));
  }
  for (const engine of engines) {
    const r = results.get(engine);
    const list = (key, f) => r.map((x) => f(x[key])).join(', ');
    console.log(
      `${engine.name} ${engine.version}: first frame ${median(r.map((x) => x.firstFrame)).toFixed(0)} ms median ` +
        `(${list('firstFrame', (v) => v.toFixed(0))}); 3,000 ticks ${(median(r.map((x) => x.ms)) / 1000).toFixed(2)} s median ` +
        `(${list('ms', (v) => (v / 1000).toFixed(2))}); longest heartbeat gap ${median(r.map((x) => x.gap)).toFixed(0)} ms median ` +
        `(${list('gap', (v) => v.toFixed(0))}); frames ${list('frames', (v) => v)}`,
    );
  }
} finally {
  for (const engine of engines) await engine.close();
  server.stop();
}
