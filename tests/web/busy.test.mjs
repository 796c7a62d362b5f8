// The page on a machine too busy to run a slice within its time (?busy: the browser
// gets its turn at every pass of the program), and a program that stops on an error.
// A wait that could not survive a turn of the browser stops the page at once here; the
// town runs with emscripten's run-time checks, which name such a state with its stack.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import {
  clickWorld,
  collectLines,
  frames,
  openTown,
  untilSelected,
  siteAndBrowser,
  untilHalted,
  waitForSeenLine,
} from './harness.mjs';

const site = siteAndBrowser();

const untilFramesPast = async (page, more) =>
  page.waitForFunction((n) => window.gfx.frames >= n, (await frames(page)) + more);

describe('a busy machine', () => {
  it('animates, halts, takes clicks and keys, records, plays back and quits; two tabs as one', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html?program=town_checked&busy&seed=3`);
    await untilFramesPast(page, 10);
    await clickWorld(page, 150, -230);
    await untilFramesPast(page, 2);
    assert.equal(await untilSelected(page, 'heavy'), 'heavy');

    // A recording of a few ticks, then halted and played back to its end.
    await collectLines(page);
    await page.keyboard.press('Control+r');
    await page.waitForFunction(() => window.gfx.menuChecked('RecordScript'));
    await untilFramesPast(page, 10);
    await page.keyboard.press('Control+r');
    await page.waitForFunction(() => !window.gfx.menuChecked('RecordScript'));
    await page.keyboard.press('Control+h');
    await untilHalted(page);
    await page.keyboard.press('Control+p');
    await waitForSeenLine(page, /^EOF encountered in script file DROVA\.SCR$/, 30000);
    assert.equal(await page.evaluate(() => window.gfx.menuChecked('PlaybackScript')), false);

    // A second tab of the same profile runs beside it; both animate.
    const second = await openTown(context, `${site.server.url}index.html?program=town_checked&busy`);
    await page.keyboard.press('Control+a');
    await Promise.all([untilFramesPast(page, 10), untilFramesPast(second, 10)]);

    await page.keyboard.press('Control+q');
    await page.waitForFunction(() => window.gfx.ended);
    assert.equal(await page.evaluate(() => window.gfx.status), 0);
    assert.deepEqual(page.problems, []);
    assert.deepEqual(second.problems, []);
    await context.close();
  });
});

describe('an error', () => {
  it('a program that stops on an error says so in the end box, under its own name, and starts again', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html?program=stops_on_error`, {
      frames: 1,
    });
    // Named by the program, as its windows are on the desktop.
    assert.equal(await page.locator('#graphics-title').textContent(), 'Stops Graphics');
    assert.equal(await page.locator('#text-title').textContent(), 'Stops Text');
    assert.equal(await page.locator('#gets-caption').textContent(), 'Stops_gets');
    await clickWorld(page, 0, 0);
    await page.waitForFunction(() => window.gfx.ended);
    assert.equal(await page.locator('#ended').isVisible(), true);
    assert.match(
      await page.locator('#ended-text').textContent(),
      /^The program stopped: .+\. Start again to run it anew/,
    );
    assert.equal(await page.evaluate(() => window.gfx.ticking), false, 'the timer stopped');
    await page.locator('#restart').click();
    await page.waitForFunction(() => window.gfx?.frames >= 1 && !window.gfx.ended);
    await context.close();
  });

  it('a program whose code cannot be fetched says so', async () => {
    const context = await site.browser.newContext();
    const page = await openTown(context, `${site.server.url}index.html?program=not_built`, { frames: 0 });
    await page.waitForFunction(() => window.gfx.ended);
    assert.match(
      await page.locator('#ended-text').textContent(),
      /^The program stopped: the program('s code)? not_built\.(js|wasm) could not be loaded/,
    );
    await context.close();
  });
});
