// Playback in the browser: the page paints and takes keys while a script plays.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import {
  collectLines,
  openTown,
  siteAndBrowser,
  untilHalted,
  uploadScript,
  waitForSeenLine,
} from './harness.mjs';

const site = siteAndBrowser();

const eof = /^EOF encountered in script file DROVA\.SCR$/;

// A halted town with the script stored, its lines collected.
async function townWithScript(script) {
  const context = await site.browser.newContext();
  const page = await openTown(context, `${site.server.url}index.html`);
  await uploadScript(page, script);
  await page.keyboard.press('Control+h');
  await untilHalted(page);
  await collectLines(page);
  return { context, page };
}

// Counts the browser's paints, and the frames of the program each paint could show.
function watchPaints(page) {
  return page.evaluate(() => {
    window.shownFrames = new Set();
    const paint = () => {
      window.shownFrames.add(window.gfx.frames);
      requestAnimationFrame(paint);
    };
    requestAnimationFrame(paint);
  });
}

describe('playback', () => {
  it('plays 3,000 ticks visibly, a frame a tick, the browser painting meanwhile', async () => {
    // How long it takes and how long the page's tasks run is wall time, which a busy
    // machine stretches: tests/web/measure.mjs measures those. A page that did not give
    // the browser its turn would paint once or twice in all.
    const { context, page } = await townWithScript('DROVA_PERIODIC(3000);\n');
    await watchPaints(page);
    const framesBefore = await page.evaluate(() => window.gfx.frames);
    await page.keyboard.press('Control+p');
    await waitForSeenLine(page, eof, 60000);
    const { frames, shown } = await page.evaluate(() => ({
      frames: window.gfx.frames,
      shown: window.shownFrames.size,
    }));
    assert.ok(frames - framesBefore >= 3000, `one frame a tick: ${frames - framesBefore}`);
    assert.ok(shown >= 10, `${shown} frames shown`);
    await context.close();
  });

  it('a long script plays visibly and Ctrl+P stops it part way', async () => {
    const { context, page } = await townWithScript('DROVA_PERIODIC(30000);\n');
    await page.keyboard.press('Control+p');
    await page.waitForFunction(() => window.gfx.frames > 200);
    await page.keyboard.press('Control+p');
    await page.waitForFunction(() => !window.gfx.menuChecked('PlaybackScript'));
    await untilHalted(page);
    const stoppedAt = await page.evaluate(() => window.gfx.frames);
    await new Promise((r) => setTimeout(r, 300));
    assert.equal(await page.evaluate(() => window.gfx.frames), stoppedAt, 'nothing plays on');
    assert.ok(stoppedAt < 20000, 'stopped part way');
    assert.ok(!(await page.evaluate(() => window.seenLines.some((l) => /^EOF/.test(l)))));
    await context.close();
  });

  it('the menu opens and works while a script plays, and Ctrl+Q ends the program', async () => {
    const { context, page } = await townWithScript('DROVA_PERIODIC(30000);\n');
    await page.keyboard.press('Control+p');
    await page.waitForFunction(() => window.gfx.frames > 100);
    await page.locator('#run-button').click();
    await page.locator('#run-menu li', { hasText: 'Playback Script' }).click();
    await page.waitForFunction(() => !window.gfx.menuChecked('PlaybackScript'));
    await page.keyboard.press('Control+p');
    await page.waitForFunction(() => window.gfx.menuChecked('PlaybackScript'));
    await page.waitForFunction((n) => window.gfx.frames > n, (await page.evaluate(() => window.gfx.frames)) + 50);
    await page.keyboard.press('Control+q');
    await page.waitForFunction(() => window.gfx.ended);
    assert.equal(await page.evaluate(() => window.gfx.status), 0);
    await context.close();
  });
});
