// Measures a first visit of the web edition in Chromium: every request until the
// first frame with its transfer size, and the time from navigation to the first
// frames, over cold loads (a fresh browser context each: no cache, no service worker).
// Run it after scripts/web.sh --build; with folders, it measures each of them (another
// build kept for comparison) in the same run, taking turns load by load:
//   node tests/web/measure_start.mjs [loads] [site folder...]
import { resolve } from 'node:path';

import { launchBrowser, siteDir, startServer } from './harness.mjs';

const loads = Number(process.argv[2] || 5);
const sites = process.argv.length > 3 ? process.argv.slice(3).map((d) => resolve(d)) : [siteDir];
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Stamps the moment of each of the first images the program presents to the page.
function stampFrames() {
  const times = [];
  window.frameTimes = times;
  let bridge;
  Object.defineProperty(window, 'gfxPage', {
    configurable: true,
    get: () => bridge,
    set(value) {
      bridge = value;
      const present = value.present;
      value.present = (...args) => {
        const result = present.apply(value, args);
        if (times.length < 8) times.push(performance.now());
        return result;
      };
    },
  });
}

const servers = await Promise.all(sites.map((d) => startServer(d)));
const browser = await launchBrowser();
try {
  const first = sites.map(() => []);
  const town = sites.map(() => []);
  for (let i = 0; i < loads; ++i) {
    for (const [k, server] of servers.entries()) {
      const context = await browser.newContext();
      const page = await context.newPage();
      await page.addInitScript(stampFrames);
      await page.goto(`${server.url}index.html`);
      await page.waitForFunction(() => window.gfx?.frames >= 3);
      // The first frame is the cleared image; the town comes with the first event.
      const times = await page.evaluate(() => window.frameTimes);
      first[k].push(times[0]);
      town[k].push(times[1]);
      if (i === 0) {
        const transfer = await page.evaluate(
          (until) =>
            performance
              .getEntries()
              .filter((e) => 'transferSize' in e && e.startTime <= until)
              .map((e) => [e.name.replace(location.origin, ''), e.transferSize]),
          times[1],
        );
        const total = transfer.reduce((s, [, n]) => s + n, 0);
        console.log(`${sites[k]}: first visit until the town's first frame: ${(total / 1024).toFixed(1)} KiB`);
        for (const [name, n] of transfer) console.log(`  ${name}: ${(n / 1024).toFixed(1)} KiB`);
      }
      await context.close();
    }
  }
  const ms = (v) => v.map((t) => t.toFixed(0)).join(', ');
  for (const [k, site] of sites.entries()) {
    console.log(`${site}:`);
    console.log(`  first frame after navigation (ms): median ${median(first[k]).toFixed(0)} of ${ms(first[k])}`);
    console.log(`  the town's first frame (ms): median ${median(town[k]).toFixed(0)} of ${ms(town[k])}`);
  }
} finally {
  await browser.close();
  for (const s of servers) s.stop();
}
