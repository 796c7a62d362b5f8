// Measures a first visit of the web edition in Chromium: every request until the
// first frame with its transfer size, and the time from navigation to the first
// frames, over cold loads (a fresh browser context each: no cache, no service worker).
// Run it after scripts/web.sh --build:
//   node tests/web/measure_start.mjs [loads]
import { launchBrowser, startServer } from './harness.mjs';

const loads = Number(process.argv[2] || 5);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Stamps the moment of each of the first frames as the page counts them.
function stampFrames() {
  const times = [];
  window.frameTimes = times;
  let town;
  Object.defineProperty(window, 'town', {
    configurable: true,
    get: () => town,
    set(value) {
      town = value;
      let frames = value.frames;
      Object.defineProperty(value, 'frames', {
        get: () => frames,
        set(n) {
          frames = n;
          if (times.length < 8) times.push(performance.now());
        },
      });
    },
  });
}

const server = await startServer();
const browser = await launchBrowser();
try {
  const first = [];
  const town = [];
  for (let i = 0; i < loads; ++i) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.addInitScript(stampFrames);
    await page.goto(`${server.url}index.html`);
    await page.waitForFunction(() => window.town?.frames >= 3);
    // The first frame is the cleared image; the town comes with the first event.
    const times = await page.evaluate(() => window.frameTimes);
    first.push(times[0]);
    town.push(times[1]);
    if (i === 0) {
      const transfer = await page.evaluate((until) =>
        performance
          .getEntries()
          .filter((e) => 'transferSize' in e && e.startTime <= until)
          .map((e) => [e.name.replace(location.origin, ''), e.transferSize]),
        times[1],
      );
      const total = transfer.reduce((s, [, n]) => s + n, 0);
      console.log(`first visit until the town's first frame: ${(total / 1024).toFixed(1)} KiB`);
      for (const [name, n] of transfer) console.log(`  ${name}: ${(n / 1024).toFixed(1)} KiB`);
    }
    await context.close();
  }
  const ms = (v) => v.map((t) => t.toFixed(0)).join(', ');
  console.log(`first frame after navigation (ms): median ${median(first).toFixed(0)} of ${ms(first)}`);
  console.log(`the town's first frame (ms): median ${median(town).toFixed(0)} of ${ms(town)}`);
} finally {
  await browser.close();
  server.stop();
}
