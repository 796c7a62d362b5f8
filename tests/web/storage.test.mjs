// DROVA.SCR in the browser's storage, with the faults a user meets: reloads and closed
// tabs while recording, storage that is missing, refuses or is full, two tabs of the
// page, and files that are no scripts.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import {
  chooseUpload,
  clickWorld,
  collectLines,
  openTown,
  untilSelected,
  siteAndBrowser,
  storageStatus,
  untilHalted,
  uploadScript,
  waitForSeenLine,
} from './harness.mjs';

const site = siteAndBrowser();

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const cannotWrite = /^Cannot write script file DROVA\.SCR$/;
const eof = /^EOF encountered in script file DROVA\.SCR$/;

const town = (context) => openTown(context, `${site.server.url}index.html`);

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
  await page.waitForFunction(() => window.gfx.menuChecked('RecordScript'));
}

async function stopRecording(page) {
  await page.keyboard.press('Control+r');
  await page.waitForFunction(() => !window.gfx.menuChecked('RecordScript'));
}

const periodic = (line) => /^DROVA_PERIODIC\([1-9]\d*\);$/.test(line);

describe('a recording survives the end of the page', () => {
  it('a reload keeps the periodic run being counted', async () => {
    const context = await site.browser.newContext();
    const page = await town(context);
    await startRecording(page);
    await page.waitForFunction((n) => window.gfx.frames > n, (await page.evaluate(() => window.gfx.frames)) + 5);
    await page.reload();
    await page.waitForFunction(() => window.gfx?.frames >= 3);
    const lines = await downloaded(page);
    assert.ok(lines && periodic(lines[0]) && lines[1] === '', `stored: ${lines}`);
    await context.close();
  });

  it('a page that becomes hidden stores the periodic run it is counting', async () => {
    const context = await site.browser.newContext();
    const page = await town(context);
    await startRecording(page);
    const frames = await page.evaluate(() => window.gfx.frames);
    await page.waitForFunction((n) => window.gfx.frames > n, frames + 5);
    await page.evaluate(() => {
      Object.defineProperty(document, 'visibilityState', { value: 'hidden', configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
    });
    await sleep(300);
    const lines = await storedIn(context);
    assert.ok(lines && periodic(lines[0]), `stored while still recording: ${lines}`);
    assert.equal(await page.evaluate(() => window.gfx.menuChecked('RecordScript')), true, 'still recording');
    await context.close();
  });

  it('a reload or a closed tab right after a click keeps the click and the ticks before it', async () => {
    for (const end of ['reload', 'close']) {
      const context = await site.browser.newContext();
      const page = await town(context);
      await startRecording(page);
      await page.waitForFunction((n) => window.gfx.frames > n, (await page.evaluate(() => window.gfx.frames)) + 3);
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

// A browser profile whose page finds its storage as init makes it.
async function faultyTown(init) {
  const context = await site.browser.newContext();
  await context.addInitScript(init);
  const page = await town(context);
  await collectLines(page);
  return { context, page };
}

// Records one click, halted, and stops: one save for the click, one for the end.
async function recordClick(page) {
  await page.keyboard.press('Control+h');
  await untilHalted(page);
  await startRecording(page);
  await clickWorld(page, 150, -230);
  await page.waitForFunction(() => window.gfx.frames > 0);
  await stopRecording(page);
}

describe('no failure of the storage passes in silence', () => {
  for (const [what, init] of [
    ['no IndexedDB at all', () => Object.defineProperty(window, 'indexedDB', { value: undefined })],
    [
      'IndexedDB refusing to open',
      () => {
        IDBFactory.prototype.open = () => {
          throw new DOMException('refused by the test', 'UnknownError');
        };
      },
    ],
  ]) {
    it(`with ${what} the program runs and keeps scripts for the visit, and says so once`, async () => {
      const { context, page } = await faultyTown(init);
      const status = await storageStatus(page);
      assert.match(status, /DROVA\.SCR is kept in this page only and is lost when it closes/);
      if (what.includes('refusing')) assert.match(status, /UnknownError: refused by the test/);
      await recordClick(page);
      await page.keyboard.press('Control+p');
      await waitForSeenLine(page, eof);
      assert.equal(await untilSelected(page, 'heavy'), 'heavy', 'the recording plays');
      assert.deepEqual((await downloaded(page)).slice(-2), ['DROVA_MOUSE(150, -230);', '']);
      const after = await storageStatus(page);
      assert.match(after, /kept in this page only/, 'the note stays');
      assert.equal(after.split('kept in this page only').length, 2, 'said once');
      assert.ok(!(await page.evaluate(() => window.seenLines.some((l) => /^Cannot/.test(l)))));
      await context.close();
    });
  }

  // Two clicks recorded: two saves, each failing.
  async function recordTwoClicks(page) {
    await page.keyboard.press('Control+h');
    await untilHalted(page);
    await startRecording(page);
    for (const x of [150, 250]) {
      await clickWorld(page, x, -230);
      await waitForSeenLine(page, cannotWrite);
      await page.evaluate(() => (window.seenLines = []));
      await sleep(200);
    }
    await stopRecording(page);
  }

  async function failedUpload(page) {
    await chooseUpload(page, Buffer.from('DROVA_PERIODIC(2);\n'));
    await page.waitForFunction(() =>
      /not uploaded/.test(document.getElementById('storage-status').textContent),
    );
    const status = await storageStatus(page);
    assert.doesNotMatch(status, /uploaded \(/);
    return status;
  }

  for (const [what, fault, setUp] of [
    [
      'a put that throws',
      /DataError: refused by the test/,
      (context) =>
        context.addInitScript(() => {
          IDBObjectStore.prototype.put = () => {
            throw new DOMException('refused by the test', 'DataError');
          };
        }),
    ],
    [
      'a quota of 64 KiB',
      /QuotaExceededError/,
      async (context) => {
        // Set before the page opens its database, as a nearly full disk would be.
        const blank = await context.newPage();
        const cdp = await context.newCDPSession(blank);
        await cdp.send('Storage.overrideQuotaForOrigin', {
          origin: new URL(site.server.url).origin,
          quotaSize: 64 * 1024,
        });
      },
    ],
  ]) {
    it(`with ${what} each failed save gives the library's line once, and no upload says "uploaded"`, async () => {
      const context = await site.browser.newContext();
      await setUp(context);
      const page = await town(context);
      await collectLines(page);
      await recordTwoClicks(page);
      await sleep(300);
      assert.deepEqual(
        await page.evaluate(() => window.seenLines.filter((l) => /^Cannot/.test(l))),
        [],
        'one line per failed save, no more',
      );
      const status = await storageStatus(page);
      assert.match(status, /DROVA\.SCR could not be saved: /);
      assert.match(status, fault);
      // The recording is not lost with the page still open: Download gives it.
      assert.deepEqual(await downloaded(page), [
        'DROVA_MOUSE(150, -230);',
        'DROVA_MOUSE(250, -230);',
        '',
      ]);
      assert.match(await failedUpload(page), fault);
      await context.close();
    });
  }
});

describe('two tabs of the page', () => {
  it('a tab that never recorded deletes nothing when it quits, and plays what the other recorded', async () => {
    const context = await site.browser.newContext();
    const reader = await town(context);
    const writer = await town(context);
    await recordClick(writer);
    await sleep(300);
    await collectLines(reader);
    await reader.keyboard.press('Control+p');
    await waitForSeenLine(reader, eof);
    assert.equal(await untilSelected(reader, 'heavy'), 'heavy', 'the newest script plays');
    await reader.keyboard.press('Control+q');
    await reader.waitForFunction(() => window.gfx.ended);
    await reader.close();
    assert.deepEqual((await storedIn(context)).slice(-2), ['DROVA_MOUSE(150, -230);', '']);
    await context.close();
  });

  it('one recorder at a time: the second gets the desktop line and the first keeps its recording', async () => {
    const context = await site.browser.newContext();
    const first = await town(context);
    const second = await town(context);
    const third = await town(context);
    await collectLines(second);
    await startRecording(first);
    await clickWorld(first, 150, -230);
    await startRecording(second);
    await clickWorld(second, 250, -230);
    await waitForSeenLine(second, /^Cannot open script file DROVA\.SCR for writing$/);
    // An upload from a third tab would mix with the recording: refused.
    await chooseUpload(third, Buffer.from('DROVA_PERIODIC(2);\n'));
    await third.waitForFunction(() =>
      /another tab/.test(document.getElementById('storage-status').textContent),
    );
    await clickWorld(first, 250, -230);
    await stopRecording(first);
    // The second stops last, and replaces nothing.
    await stopRecording(second);
    await sleep(300);
    for (const page of [first, second, third]) {
      assert.deepEqual((await downloaded(page)).filter((l) => /MOUSE/.test(l)), [
        'DROVA_MOUSE(150, -230);',
        'DROVA_MOUSE(250, -230);',
      ]);
    }
    // Now that the first has stopped, the second may record.
    await recordsAlone(second);
    await context.close();
  });
});

async function recordsAlone(page) {
  await page.evaluate(() => (window.seenLines = []));
  await startRecording(page);
  await clickWorld(page, 150, -230);
  await stopRecording(page);
  await sleep(300);
  assert.deepEqual(await page.evaluate(() => window.seenLines.filter((l) => /^Cannot/.test(l))), []);
  assert.deepEqual((await downloaded(page)).filter((l) => /MOUSE/.test(l)), ['DROVA_MOUSE(150, -230);']);
}

describe('uploads', () => {
  it('refuses a file over 16 MiB and any upload while recording, changing nothing', async () => {
    const context = await site.browser.newContext();
    const page = await town(context);
    await uploadScript(page, 'DROVA_PERIODIC(7);\n');
    await chooseUpload(page, Buffer.alloc(16 * 1024 * 1024 + 1, 'DROVA_PERIODIC(1);\n'));
    await page.waitForFunction(() => /not uploaded/.test(document.getElementById('storage-status').textContent));
    assert.match(await storageStatus(page), /16777217 bytes, more than the 16 MiB/);
    await startRecording(page);
    await chooseUpload(page, Buffer.from('DROVA_PERIODIC(2);\n'));
    await page.waitForFunction(() => /while this page records/.test(document.getElementById('storage-status').textContent));
    await stopRecording(page);
    await sleep(200);
    assert.ok(!(await downloaded(page)).some((l) => l === 'DROVA_PERIODIC(2);'), 'no mix');
    await page.close();
    assert.ok(!(await storedIn(context)).includes('DROVA_PERIODIC(2);'));
    await context.close();
  });

  it('says when the first line is no script line, and stores the file all the same', async () => {
    const context = await site.browser.newContext();
    const page = await town(context);
    await chooseUpload(page, Buffer.from('\n\nhello town\nDROVA_PERIODIC(2);\n'));
    await page.waitForFunction(() => /uploaded/.test(document.getElementById('storage-status').textContent));
    assert.match(await storageStatus(page), /uploaded \(32 bytes\).*first line "hello town" is no script line/);
    assert.deepEqual(await storedIn(context), ['', '', 'hello town', 'DROVA_PERIODIC(2);', '']);
    await context.close();
  });
});

describe('scripts of the earlier page', () => {
  it('a script stored by the page before it kept one record is found and kept', async () => {
    const context = await site.browser.newContext();
    const page = await town(context);
    // The layout emscripten's IDBFS gave the working folder "/town".
    await page.evaluate(
      () =>
        new Promise((resolve, reject) => {
          const r = indexedDB.open('/town', 21);
          r.onupgradeneeded = () => r.result.createObjectStore('FILE_DATA').createIndex('timestamp', 'timestamp');
          r.onsuccess = () => {
            const tx = r.result.transaction('FILE_DATA', 'readwrite');
            tx.objectStore('FILE_DATA').put(
              { timestamp: new Date(), mode: 33206, contents: new TextEncoder().encode('DROVA_PERIODIC(4);\n') },
              '/town/DROVA.SCR',
            );
            tx.oncomplete = () => {
              r.result.close();
              resolve();
            };
          };
          r.onerror = () => reject(r.error);
        }),
    );
    await page.reload();
    await page.waitForFunction(() => window.gfx?.frames >= 3);
    assert.deepEqual(await downloaded(page), ['DROVA_PERIODIC(4);', '']);
    await page.close();
    assert.deepEqual(await storedIn(context), ['DROVA_PERIODIC(4);', '']);
    await context.close();
  });

  it("a script and a journal entry stored under the first program's name are adopted", async () => {
    const context = await site.browser.newContext();
    const page = await town(context);
    // The record and the journal's key of the page before it took the library's name.
    await page.evaluate(
      () =>
        new Promise((resolve, reject) => {
          const r = indexedDB.open('fenns-town', 1);
          r.onupgradeneeded = () => r.result.createObjectStore('scripts');
          r.onsuccess = () => {
            const tx = r.result.transaction('scripts', 'readwrite');
            const bytes = new TextEncoder().encode('DROVA_PERIODIC(5);\n');
            tx.objectStore('scripts').put({ bytes, savedAt: Date.now() }, 'DROVA.SCR');
            tx.oncomplete = () => {
              r.result.close();
              resolve();
            };
          };
          r.onerror = () => reject(r.error);
        }),
    );
    await page.reload();
    await page.waitForFunction(() => window.gfx?.frames >= 3);
    assert.deepEqual(await downloaded(page), ['DROVA_PERIODIC(5);', '']);

    const formerKey = 'fenns-town DROVA.SCR at the end of a page';
    await page.evaluate((key) => {
      localStorage.setItem(key, JSON.stringify({ text: 'DROVA_PERIODIC(6);\n', savedAt: Date.now() + 60000 }));
    }, formerKey);
    await page.reload();
    await page.waitForFunction(() => window.gfx?.frames >= 3);
    assert.deepEqual(await downloaded(page), ['DROVA_PERIODIC(6);', '']);
    assert.equal(await page.evaluate((key) => localStorage.getItem(key), formerKey), null, 'taken once');
    await page.close();
    assert.deepEqual(await storedIn(context), ['DROVA_PERIODIC(6);', '']);
    await context.close();
  });
});
