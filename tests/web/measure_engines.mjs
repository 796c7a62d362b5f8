// Measures the page in each browser engine: the first frame of a fresh tab, a playback
// of 3,000 scripted ticks (from the Ctrl+P key to the end of the script, timed in the
// page) and the longest gap of a heartbeat in the page meanwhile (a MessageChannel
// loop: no engine but Chromium reports long tasks). Run it after scripts/web.sh --build:
//   node tests/web/measure_engines.mjs [runs] [engine...]     (3 runs, every engine)
import { startServer } from './harness.mjs';
import { EngineNames, launchEngine, waitFor } from './engines.mjs';
import { haltedWithScript } from './engine_scenes.mjs';

const runs = Number(process.argv[2]) || 3;
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
  window.town.onLine = (line) => {
    if (/^EOF encountered/.test(line)) {
      window.endAt = performance.now();
      window.beat.on = false;
    }
  };
  return true;
}

const server = await startServer();
try {
  for (const name of names) {
    const engine = await launchEngine(name);
    try {
      const started = Date.now();
      const first = await engine.open(`${server.url}index.html?seed=1`);
      await waitFor(first, () => window.town?.frames >= 3);
      const firstFrame = Date.now() - started;
      await first.close();
      const results = [];
      for (let run = 0; run < runs; ++run) {
        const page = await haltedWithScript(engine, server.url, 'DROVA_PERIODIC(3000);\n');
        await page.evaluate(watchHeartbeat);
        const framesBefore = await page.evaluate(() => window.town.frames);
        await page.press('Control+p');
        await waitFor(page, () => window.endAt, null, 120000);
        const r = await page.evaluate(() => ({
          ms: window.endAt - window.keyAt,
          gap: window.beat.longest,
          frames: window.town.frames,
        }));
        results.push({ ...r, frames: r.frames - framesBefore });
        await page.close();
      }
      const f = (v) => v.toFixed(0);
      console.log(
        `${name} ${engine.version}: first frame of a fresh tab ${firstFrame} ms (with the tab's opening); ` +
          `3,000 ticks ${results.map((r) => `${(r.ms / 1000).toFixed(2)} s`).join(', ')}; ` +
          `longest heartbeat gap ${results.map((r) => `${f(r.gap)} ms`).join(', ')}; ` +
          `frames ${results.map((r) => r.frames).join(', ')}`,
      );
    } finally {
      await engine.close();
    }
  }
} finally {
  server.stop();
}
