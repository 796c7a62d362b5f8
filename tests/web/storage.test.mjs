// DROVA.SCR in the browser's storage, with the faults a user meets: reloads and closed
// tabs while recording, storage that is missing, refuses or is full, two tabs of the
// page, and files that are no scripts.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';

import {
  chooseUpload,
  clickWorld,
  collectLines,
  launchBrowser,
  openTown,
  selectedButton,
  startServer,
  storageStatus,
  untilHalted,
  uploadScript,
  waitForLine,
  waitForSeenLine,
} from './harness.mjs';

let server;
let browser;

before(async () => {
  server = await startServer();
  browser = await launchBrowser();
});
after(async () => {
  await browser?.close();
  server?.stop();
});

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const cannotWrite = /^Cannot write script file DROVA\.SCR$/;
const eof = /^EOF encountered in script file DROVA\.SCR$/;

const town = (context) => openTown(context, `${server.url}index.html`);

// The stored script as "Download DROVA.SCR" gives it, as lines; null when there is none.
async function downloaded(page) {
  const [download] = await Promise.all([
    page.waitForEvent('download', { timeout: 5000 }).catch(() => null),
    page.locator('#download').click(),
  ]);
  if (!download) return null;
  const chunks = [];
  for await (const c of await download.createReadStream()) chunks.push(c);
  return Buffer.concat(chunks).toString('latin1').split('\n');
}

// What another visit finds stored: a new page of the same browser profile.
async function storedIn(context) {
  const page = await town(context);
  const lines = await downloaded(page);
  await page.close();
  return lines;
}

async function startRecording(page) {
  await page.keyboard.press('Control+r');
  await page.waitForFunction(() => window.town.menuChecked(5));
}

async function stopRecording(page) {
  await page.keyboard.press('Control+r');
  await page.waitForFunction(() => !window.town.menuChecked(5));
}

const periodic = (line) => /^DROVA_PERIODIC\([1-9]\d*\);$/.test(line);

describe('a recording survives the end of the page', () => {
  it('a reload keeps the periodic run being counted', async () => {
    const context = await browser.newContext();
    const page = await town(context);
    await startRecording(page);
    await page.waitForFunction((n) => window.town.frames > n, (await page.evaluate(() => window.town.frames)) + 5);
    await page.reload();
    await page.waitForFunction(() => window.town?.frames >= 3);
    const lines = await downloaded(page);
    assert.ok(lines && periodic(lines[0]) && lines[1] === '', `stored: ${lines}`);
    await context.close();
  });

  it('a reload or a closed tab right after a click keeps the click and the ticks before it', async () => {
    for (const end of ['reload', 'close']) {
      const context = await browser.newContext();
      const page = await town(context);
      await startRecording(page);
      await page.waitForFunction((n) => window.town.frames > n, (await page.evaluate(() => window.town.frames)) + 3);
      await clickWorld(page, 150, -230);
      if (end === 'reload') await page.reload();
      else await page.close({ runBeforeUnload: true });
      const lines = await storedIn(context);
      assert.ok(lines, `${end}: a script is stored`);
      assert.ok(periodic(lines[0]), `${end}: ${lines}`);
      assert.equal(lines[1], 'DROVA_MOUSE(150, -230);', `${end}: ${lines}`);
      assert.ok(lines.slice(2, -1).every(periodic) && lines.at(-1) === '', `${end}: ${lines}`);
      await context.close();
    }
  });
});
