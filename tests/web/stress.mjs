// Counts how often the page stops: the page opened in many fresh profiles (two tabs
// each, a few at a time), then many cycles of record, halt and play back in one page.
// A page has stopped when it shows no new frame within the wait's time or says on its
// console that the program stopped. Not part of the test command: a measurement.
//   node tests/web/stress.mjs [--site DIR] [--contexts 300] [--cycles 100] [--busy 2]
// --busy N runs N processes that keep a core busy beside the browser, as a loaded
// machine would.
import { spawn } from 'node:child_process';
import { parseArgs } from 'node:util';

import { launchBrowser, startServer, watchedPage } from './harness.mjs';

const { values } = parseArgs({
  options: {
    site: { type: 'string' },
    contexts: { type: 'string', default: '300' },
    cycles: { type: 'string', default: '100' },
    busy: { type: 'string', default: '0' },
    parallel: { type: 'string', default: '4' },
  },
});
const WaitMs = 15000;

const busy = Array.from({ length: Number(values.busy) }, () =>
  spawn('sh', ['-c', 'exec yes > /dev/null'], { stdio: 'ignore' }),
);
process.on('exit', () => busy.forEach((p) => p.kill()));

const server = await startServer(values.site);
const browser = await launchBrowser();

const stoppedOnError = (page) => page.problems.some((p) => /The program stopped|Aborted/.test(p));

// Waits until the page has shown n more frames; false when it did not.
async function framesPast(page, n) {
  try {
    const now = await page.evaluate(() => window.gfx?.frames ?? 0);
    await page.waitForFunction((m) => window.gfx?.frames >= m, now + n, { timeout: WaitMs });
    return true;
  } catch {
    return false;
  }
}

async function openPage(context, query = '') {
  const page = await watchedPage(context);
  await page.goto(`${server.url}index.html${query}`);
  return page;
}

// One fresh profile with two tabs of the page, each of which must go on animating.
async function visit() {
  const context = await browser.newContext();
  try {
    const tabs = await Promise.all([openPage(context), openPage(context)]);
    const moving = await Promise.all(tabs.map((t) => framesPast(t, 10)));
    return tabs.filter((t, i) => !moving[i] || stoppedOnError(t)).length;
  } finally {
    await context.close();
  }
}

// One cycle in a page: record a few ticks, halt, play them back to the end.
async function cycle(page) {
  const step = async (key, condition, arg) => {
    await page.keyboard.press(key);
    await page.waitForFunction(condition, arg, { timeout: WaitMs });
  };
  try {
    await page.evaluate(() => {
      window.ended = 0;
      window.gfx.onLine = (line) => /^EOF encountered/.test(line) && ++window.ended;
    });
    await step('Control+a', () => window.gfx.ticking);
    await step('Control+r', () => window.gfx.menuChecked('RecordScript'));
    if (!(await framesPast(page, 5))) return false;
    await step('Control+r', () => !window.gfx.menuChecked('RecordScript'));
    await step('Control+h', () => !window.gfx.ticking);
    await step('Control+p', () => window.ended > 0);
    return !stoppedOnError(page);
  } catch {
    return false;
  }
}

const started = Date.now();
let stoppedTabs = 0;
const contexts = Number(values.contexts);
for (let done = 0; done < contexts; ) {
  const batch = Math.min(Number(values.parallel), contexts - done);
  const results = await Promise.all(Array.from({ length: batch }, visit));
  stoppedTabs += results.reduce((a, b) => a + b, 0);
  done += batch;
}
const visitSeconds = (Date.now() - started) / 1000;

let stoppedCycles = 0;
const cycles = Number(values.cycles);
let context = await browser.newContext();
let page = await openPage(context);
for (let i = 0; i < cycles; ++i) {
  if (await cycle(page)) continue;
  ++stoppedCycles;
  await context.close(); // a stopped page does not come back: a new one goes on
  context = await browser.newContext();
  page = await openPage(context);
}
await context.close();

console.log(
  `${values.site ?? 'build/web/site'}, ${busy.length} busy processes beside it: ` +
    `${stoppedTabs} of ${2 * contexts} tabs stopped (${contexts} fresh profiles of two tabs, ` +
    `${visitSeconds.toFixed(0)} s); ${stoppedCycles} of ${cycles} record, halt and play back cycles stopped ` +
    `(${((Date.now() - started) / 1000).toFixed(0)} s in all)`,
);
await browser.close();
server.stop();
process.exit(0);
