// The web edition in a real headless Chromium: the page served on 127.0.0.1, keys and
// clicks given through the browser's input, the canvas read at known world points.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import {
  clickWorld,
  collectLines,
  coloursIn,
  frames,
  lines,
  openTown,
  untilSelected,
  siteAndBrowser,
  untilHalted,
  uploadScript,
  waitForLine,
  waitForSeenLine,
  worldPixel,
} from './harness.mjs';

const site = siteAndBrowser();

const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const logLine = /^[a-z0-9% ]+ (rectangle|oval|line|triangle|text|circle) /;

// A fresh browser profile: its own IndexedDB, so no script from another test.
async function freshTown(query = '', options = {}) {
  const context = await site.browser.newContext();
  const page = await openTown(context, `${site.server.url}index.html${query}`, options);
  return { context, page };
}

async function framesStayFor(page, ms) {
  const before = await frames(page);
  await sleep(ms);
  return (await frames(page)) === before;
}

describe('the page', () => {
  it('loads without errors and shows the town, the menu and the text panel', async () => {
    const { context, page } = await freshTown();
    assert.equal(await page.title(), "Fenn's Town");
    assert.equal(await page.locator('#graphics-title').textContent(), 'DROVA Graphics');
    const size = await page.evaluate(() => {
      const c = document.getElementById('canvas');
      return [c.width, c.height, getComputedStyle(c).imageRendering];
    });
    assert.deepEqual(size, [601, 501, 'pixelated']);

    // The same pixels at the same world points as on the desktop.
    assert.equal(await worldPixel(page, -250, 200), '006633', 'a lawn');
    assert.equal(await worldPixel(page, -190, -90), '99ffff', 'the pond');
    assert.equal(await worldPixel(page, 0, -100), 'ffffff', 'road between the blocks');
    assert.equal(await worldPixel(page, -50, 235), '808080', 'a lane');
    assert.equal(await worldPixel(page, -15, -15), '000000', 'an intersection square');
    assert.equal(await worldPixel(page, 93, -230), 'cccccc', 'the heavy button');
    assert.equal(await untilSelected(page, 'light'), 'light');

    assert.equal(await page.locator('#text-title').textContent(), 'DROVA Text');
    const font = await page.locator('#text-lines').evaluate((e) => getComputedStyle(e).fontFamily);
    assert.equal(font, 'monospace', 'the panel is in a fixed-pitch font');
    await page.waitForFunction(() => window.gfx.frames >= 5);
    assert.deepEqual(page.problems, []);
    await context.close();
  });

  it('draws each pixel as whole device pixels on high-density screens, and clicks still hit', async () => {
    for (const [ratio, devicePixels] of [
      [2, 2],
      [1.5, 2],
      [3, 3],
    ]) {
      const context = await site.browser.newContext({ deviceScaleFactor: ratio });
      const page = await openTown(context, `${site.server.url}index.html`);
      const box = await page.locator('#canvas').boundingBox();
      assert.ok(Math.abs(box.width * ratio - 601 * devicePixels) < 0.01, `width at ${ratio}`);
      assert.ok(Math.abs(box.height * ratio - 501 * devicePixels) < 0.01, `height at ${ratio}`);
      await clickWorld(page, 150, -230);
      await page.waitForFunction(() => window.gfx.frames >= 6);
      assert.equal(await untilSelected(page, 'heavy'), 'heavy', `click at ratio ${ratio}`);
      await context.close();
    }
  });

  it('has the desktop menu: items, access keys, shortcut labels, checks and greyed credits', async () => {
    const { context, page } = await freshTown();
    const button = page.locator('#run-button');
    assert.equal(await button.textContent(), 'Run');
    assert.equal(await button.locator('u').textContent(), 'R');
    await button.click();
    const items = await page.evaluate(() =>
      [...document.querySelectorAll('#run-menu > li')].map((li) =>
        li.getAttribute('role') === 'separator'
          ? '-'
          : [
              li.querySelector('.label').textContent,
              li.querySelector('.label u')?.textContent ?? '',
              li.querySelector('.shortcut').textContent,
              li.getAttribute('aria-checked') ?? '',
              li.getAttribute('aria-disabled') ?? '',
            ].join('|'),
      ),
    );
    assert.deepEqual(items, [
      'Animate|A|Ctrl+A||',
      'Halt animation|H|Ctrl+H||',
      'Advance one frame|f|Ctrl+F||',
      '-',
      'Logging|L|Ctrl+L|false|',
      '-',
      'Record Script|R|Ctrl+R|false|',
      'Playback Script|P|Ctrl+P|false|',
      'Play One Script|O|Ctrl+O||',
      '-',
      'Quit|Q|Ctrl+Q||',
      '-',
      'DROVA v2.2 July 1997||||true',
      'MAC: mac@example.org||||true',
      'WINDOWS: windows@example.org||||true',
      'UPDATES: updates@example.org||||true',
    ]);
    await context.close();
  });
});

describe('input', () => {
  it('a click on "Heavy Traffic" moves the highlight and shows "Mode: Heavy Traffic"', async () => {
    const { context, page } = await freshTown();
    await collectLines(page);
    await page.keyboard.press('Control+l');
    await clickWorld(page, 150, -230);
    await waitForSeenLine(page, /^50% gray text at \(-290,-240\), "Mode: Heavy Traffic"$/);
    assert.equal(await untilSelected(page, 'heavy'), 'heavy');
    assert.ok((await coloursIn(page, -290, -227, 120, 16)) > 1, 'the mode label is drawn');
    await clickWorld(page, 250, -230);
    await waitForSeenLine(page, /"Mode: Light Traffic"$/);
    assert.equal(await untilSelected(page, 'light'), 'light');
    await context.close();
  });

  it('Ctrl+H halts, Ctrl+F advances exactly one frame, Ctrl+A animates again', async () => {
    const { context, page } = await freshTown();
    await page.keyboard.press('Control+h');
    await untilHalted(page);
    const waits = await page.evaluate(() => window.gfx.waits);
    assert.ok(await framesStayFor(page, 2000), 'no new frame for 2 s while halted');
    assert.equal(await page.evaluate(() => window.gfx.waits), waits, 'halted, nothing wakes it');
    const halted = await frames(page);
    await page.keyboard.press('Control+f');
    await page.waitForFunction((n) => window.gfx.frames > n, halted);
    await untilHalted(page);
    assert.ok(await framesStayFor(page, 800));
    assert.equal(await frames(page), halted + 1, 'Ctrl+F draws one frame');
    await page.keyboard.press('Control+a');
    await page.waitForFunction((n) => window.gfx.frames >= n + 5, halted + 1);
    await context.close();
  });

  it('Ctrl+L fills the text panel with log lines and its check mark follows', async () => {
    const { context, page } = await freshTown();
    await page.keyboard.press('Control+l');
    await page.waitForFunction(() => window.gfx.lines().length === 25);
    const shown = await lines(page);
    assert.ok(shown.every((l) => logLine.test(l)), shown.join('\n'));
    assert.equal(await page.evaluate(() => window.gfx.menuChecked('Logging')), true);
    const [panel, kept] = await page.evaluate(() => [
      [...document.querySelectorAll('#text-lines > div > div')].map((e) => e.textContent),
      window.gfx.lines(),
    ]);
    assert.deepEqual(panel, kept, 'the panel shows the 25 lines, one element each');
    await page.keyboard.press('Control+l');
    await page.waitForFunction(() => !window.gfx.menuChecked('Logging'));
    const count = await page.evaluate(() => window.gfx.logCount);
    await sleep(500);
    assert.equal(await page.evaluate(() => window.gfx.logCount), count, 'logging is off');
    await context.close();
  });

  it("takes over the browser's meaning of the eight shortcuts, and only theirs", async () => {
    const { context, page } = await freshTown();
    await page.evaluate(() => {
      window.prevented = {};
      window.addEventListener('keydown', (e) => {
        if (e.ctrlKey && e.key.length === 1) window.prevented[e.key] = e.defaultPrevented;
      });
    });
    for (const k of 'hafloprbukq') await page.keyboard.press(`Control+${k}`);
    assert.deepEqual(await page.evaluate(() => window.prevented), {
      h: true,
      a: true,
      f: true,
      l: true,
      o: true,
      p: true,
      r: true,
      b: false,
      u: false,
      k: false,
      q: true,
    });
    assert.equal(await page.evaluate(() => window.getSelection().toString()), '', 'no select-all');
    await context.close();
  });

  it('the Run menu works with the mouse and with its access keys', async () => {
    const { context, page } = await freshTown();
    await page.locator('#run-button').click();
    await page.locator('#run-menu li', { hasText: 'Halt animation' }).click();
    assert.equal(await page.locator('#run-menu').isHidden(), true);
    await untilHalted(page);
    assert.ok(await framesStayFor(page, 1000), 'halted from the menu');
    const halted = await frames(page);
    await page.keyboard.press('Alt+R');
    assert.equal(await page.locator('#run-menu').isVisible(), true);
    await page.keyboard.press('f');
    await page.waitForFunction((n) => window.gfx.frames > n, halted);
    await untilHalted(page);
    assert.ok(await framesStayFor(page, 800));
    assert.equal(await frames(page), halted + 1, 'Advance one frame by its access key');
    // Greyed credits do nothing and leave the menu open.
    await page.locator('#run-button').click();
    await page.locator('#run-menu li', { hasText: 'DROVA v2.2' }).click({ force: true });
    assert.equal(await page.locator('#run-menu').isVisible(), true);
    await page.keyboard.press('Escape');
    assert.equal(await page.locator('#run-menu').isHidden(), true);
    await context.close();
  });

  it('the menu keys act as on the desktop: Alt+R again, Escape, Tab, ArrowDown', async () => {
    const { context, page } = await freshTown();
    const open = () => page.locator('#run-menu').isVisible();
    const focused = () => page.evaluate(() => document.activeElement.id);
    await page.keyboard.press('Alt+R');
    assert.equal(await open(), true);
    await page.keyboard.press('Alt+R');
    assert.equal(await open(), false, 'a second Alt+R closes the menu');
    await sleep(300);
    assert.equal(await page.evaluate(() => window.gfx.menuChecked('RecordScript')), false, 'and records nothing');
    await page.keyboard.press('Alt+R');
    await page.keyboard.press('Escape');
    assert.equal(await open(), false);
    assert.equal(await focused(), 'run-button', 'Escape goes back to the title');
    await page.keyboard.press('ArrowDown');
    assert.equal(await open(), true, 'ArrowDown on the title opens the menu');
    await page.keyboard.press('Tab');
    assert.equal(await open(), false, 'Tab leaves the menu');
    assert.notEqual(await focused(), 'run-button');
    assert.equal(await page.evaluate(() => window.gfx.menuChecked('RecordScript')), false);
    await context.close();
  });
});

async function downloadScript(page) {
  const [download] = await Promise.all([
    page.waitForEvent('download'),
    page.locator('#download').click(),
  ]);
  const chunks = [];
  for await (const c of await download.createReadStream()) chunks.push(c);
  return { name: download.suggestedFilename(), bytes: Buffer.concat(chunks) };
}

describe('scripts', () => {
  it('records clicks and typed Latin-1 characters, and downloads DROVA.SCR', async () => {
    const { context, page } = await freshTown();
    // Halted, with one frame before and after, so that no tick falls between the events.
    const oneFrame = async () => {
      const before = await frames(page);
      await page.keyboard.press('Control+f');
      await page.waitForFunction((n) => window.gfx.frames > n, before);
      await untilHalted(page);
    };
    await page.keyboard.press('Control+h');
    await untilHalted(page);
    await page.keyboard.press('Control+r');
    await page.waitForFunction(() => window.gfx.menuChecked('RecordScript'));
    await oneFrame();
    await clickWorld(page, 150, -230);
    await page.keyboard.press('k');
    // The browser's driver knows no key that types é on its keyboard: the event comes
    // as a keyboard with such a key would give it.
    await page.evaluate(() => {
      for (const type of ['keydown', 'keyup'])
        document.dispatchEvent(new KeyboardEvent(type, { key: 'é', code: 'Quote', bubbles: true }));
    });
    await page.keyboard.press('Control+k'); // with Ctrl held, nothing is typed
    await oneFrame();
    await page.keyboard.press('Control+r');
    await page.waitForFunction(() => !window.gfx.menuChecked('RecordScript'));
    const { name, bytes } = await downloadScript(page);
    assert.equal(name, 'DROVA.SCR');
    assert.deepEqual(bytes.toString('latin1').split('\n'), [
      'DROVA_PERIODIC(1);',
      'DROVA_MOUSE(150, -230);',
      'DROVA_KBD(107);',
      'DROVA_KBD(-23);',
      'DROVA_PERIODIC(1);',
      '',
    ]);
    await context.close();
  });

  it('a recording survives a reload, and playing it brings the click back', async () => {
    const { context, page } = await freshTown();
    await page.keyboard.press('Control+r');
    await sleep(300);
    await clickWorld(page, 150, -230);
    await sleep(300);
    await page.keyboard.press('Control+r');
    await page.waitForFunction(() => !window.gfx.menuChecked('RecordScript'));
    await page.reload();
    await page.waitForFunction(() => window.gfx?.frames >= 3);
    assert.equal(await untilSelected(page, 'light'), 'light');
    await page.keyboard.press('Control+p');
    await waitForLine(page, /^EOF encountered in script file DROVA\.SCR$/);
    assert.equal(await untilSelected(page, 'heavy'), 'heavy');
    assert.equal(await page.evaluate(() => window.gfx.menuChecked('PlaybackScript')), false);
    assert.deepEqual(page.problems, []);
    await context.close();
  });

  it('plays an uploaded script, and says so when there is none', async () => {
    const { context, page } = await freshTown();
    await page.keyboard.press('Control+p');
    await waitForLine(page, /^Cannot open script file DROVA\.SCR for reading$/);
    await untilHalted(page); // a tick armed before Ctrl+P still comes
    await uploadScript(page, 'DROVA_PERIODIC(2);\n\nDROVA_MOUSE(150, -230);\nDROVA_PERIODIC(3);\n');
    // One event at a time: two ticks, then the click.
    for (const selected of ['light', 'light', 'heavy']) {
      const before = await frames(page);
      await page.keyboard.press('Control+o');
      await page.waitForFunction((n) => window.gfx.frames > n, before);
      await untilHalted(page);
      assert.ok(await framesStayFor(page, 300));
      assert.equal(await frames(page), before + 1, 'one event, one frame');
      assert.equal(await untilSelected(page, selected), selected);
    }
    // Playback goes on where play-one left the script: the ticks after the click.
    await clickWorld(page, 250, -230);
    await page.waitForFunction(() => window.gfx.frames > 0);
    await page.keyboard.press('Control+p');
    await waitForLine(page, /^EOF encountered in script file DROVA\.SCR$/);
    assert.equal(await untilSelected(page, 'light'), 'light');
    await context.close();
  });

  it('a seeded run with the same script gives the same drawing log twice', async () => {
    const context = await site.browser.newContext();
    const setup = await openTown(context, `${site.server.url}index.html`);
    const script = 'DROVA_PERIODIC(40);\nDROVA_MOUSE(150, -230);\nDROVA_PERIODIC(40);\n';
    await uploadScript(setup, script);
    await setup.close();
    const run = async (seed) => {
      // The drawing log on and the script playing from the first wait on.
      const page = await openTown(context, `${site.server.url}index.html?seed=${seed}&menu=Logging,PlaybackScript`);
      await waitForLine(page, /^EOF encountered in script file DROVA\.SCR$/, 30000);
      const log = await page.evaluate(() => [window.gfx.logCount, window.gfx.logDigest]);
      await page.close();
      return log;
    };
    const first = await run(7);
    const second = await run(7);
    assert.ok(first[0] > 80 * 100, `a whole log of 81 frames: ${first[0]} lines`);
    assert.deepEqual(second, first);
    assert.notDeepEqual(await run(8), first, 'another seed, another town');
    await context.close();
  });
});

describe('the end', () => {
  it('after Quit the page shows the end and its status, and starts again', async () => {
    const { context, page } = await freshTown();
    await page.locator('#run-button').click();
    await page.locator('#run-menu li', { hasText: 'Quit' }).click();
    await page.waitForFunction(() => window.gfx.ended);
    assert.equal(await page.evaluate(() => window.gfx.status), 0);
    assert.equal(await page.locator('#ended').isVisible(), true);
    assert.equal(await page.locator('#exit-status').textContent(), '0');
    assert.ok(await framesStayFor(page, 500), 'nothing is drawn after the end');
    await page.locator('#restart').click();
    await page.waitForFunction(() => window.gfx?.frames > 3 && !window.gfx.ended);
    assert.equal(await page.locator('#ended').isHidden(), true);
    await context.close();
  });

  it('after Quit the menu is closed for good, nothing covers the box, and Enter and Escape act as in a dialog', async () => {
    for (const key of ['Enter', 'Escape']) {
      const { context, page } = await freshTown();
      await page.keyboard.press('Alt+R');
      await page.locator('#run-menu li', { hasText: 'Quit' }).click();
      await page.waitForFunction(() => window.gfx.ended);
      assert.equal(await page.locator('#run-menu').isHidden(), true);
      await page.locator('#run-button').click({ force: true }).catch(() => {});
      await page.keyboard.press('Alt+R');
      assert.equal(await page.locator('#run-menu').isHidden(), true, 'the menu no longer opens');
      // The box is on top at every corner of it.
      const covered = await page.evaluate(() => {
        const box = document.getElementById('ended');
        const r = box.getBoundingClientRect();
        const points = [
          [r.left + 2, r.top + 2],
          [r.right - 2, r.top + 2],
          [r.left + 2, r.bottom - 2],
          [r.right - 2, r.bottom - 2],
        ];
        return points.filter(([x, y]) => !box.contains(document.elementFromPoint(x, y))).length;
      });
      assert.equal(covered, 0, 'nothing covers the box');
      if (key === 'Enter') {
        await page.keyboard.press('Enter');
        await page.waitForFunction(() => window.gfx?.frames > 3 && !window.gfx.ended);
      } else {
        await page.keyboard.press('Escape');
        assert.equal(await page.locator('#ended').isHidden(), true, 'Escape closes the box');
        assert.equal(await page.evaluate(() => window.gfx.ended), true);
      }
      await context.close();
    }
  });

  it('a second display shows its error in the dialog and ends with status -1', async () => {
    const { context, page } = await freshTown('?program=second_display', { frames: 1 });
    const dialog = page.locator('#gets');
    await dialog.waitFor({ state: 'visible' });
    assert.equal(await dialog.locator('.caption').textContent(), 'DROVA_gets');
    const prompt = await page.locator('#gets-prompt').textContent();
    assert.equal(prompt, 'Error: Attempted to instantiate multiple DROVA displays'.padEnd(79, ' '));
    await page.keyboard.press('Escape');
    assert.equal(await dialog.isVisible(), true, 'only "Okay" closes the dialog');
    await page.locator('#gets-reply').fill('anything');
    await page.keyboard.press('Enter');
    await page.waitForFunction(() => window.gfx.ended);
    assert.equal(await page.evaluate(() => window.gfx.status), -1);
    assert.equal(await page.locator('#exit-status').textContent(), '-1');
    await context.close();
  });
});
