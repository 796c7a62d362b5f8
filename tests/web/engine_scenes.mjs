// Pages in known states for the cross-engine test and its measurement, through the
// engine driver (engines.mjs): the script comes in a shared run's link, so that no
// engine needs a file upload.
import { runFragment } from '../../gfx/backends/web/page/features/share_link.js';
import { waitFor } from './engines.mjs';
import { canvasPoint, canvasSize } from './harness.mjs';

// A link to index.html that plays script from seed (query: what comes before the #).
export async function runLink(url, seed, script, query = '') {
  const { fragment, refusal } = await runFragment(seed, new TextEncoder().encode(script));
  if (refusal) throw new Error(refusal);
  return `${url}index.html${query}${fragment}`;
}

// A halted town that holds script for this visit, its playback not started: the
// shared run's own playback command is undone by the menu's, before the first tick.
export async function haltedWithScript(engine, url, script, seed = 1) {
  const page = await engine.open(await runLink(url, seed, script, '?menu=Halt,PlaybackScript'));
  await waitFor(page, () => window.gfx?.frames >= 2 && !window.gfx.ticking);
  return page;
}

// The colours of the canvas at world points, as "rrggbb" each.
export async function worldPixels(page, points) {
  const size = await canvasSize(page);
  return page.evaluate(
    (pts) => {
      const context = document.getElementById('canvas').getContext('2d');
      return pts.map(([px, py]) => {
        const d = context.getImageData(px, py, 1, 1).data;
        return [d[0], d[1], d[2]].map((v) => v.toString(16).padStart(2, '0')).join('');
      });
    },
    points.map(([x, y]) => canvasPoint(size, x, y)),
  );
}

// Which traffic button is highlighted: 'heavy', 'light' or what was seen instead.
export async function selectedButton(page) {
  const [heavy, light] = await worldPixels(page, [
    [95, -230],
    [195, -230],
  ]);
  if (heavy === '808080' && light === 'cccccc') return 'heavy';
  if (light === '808080' && heavy === 'cccccc') return 'light';
  return `none (heavy ${heavy}, light ${light})`;
}

// A click at world (x, y) on a canvas shown 1:1.
export async function clickWorld(page, x, y) {
  const [px, py] = canvasPoint(await canvasSize(page), x, y);
  return page.clickAt('#canvas', px + 0.5, py + 0.5);
}

// The lines of the text panel that match pattern (a RegExp).
export function linesLike(page, pattern) {
  return page.evaluate(
    ([source, flags]) => window.gfx.lines().filter((l) => new RegExp(source, flags).test(l)),
    [pattern.source, pattern.flags],
  );
}

// Presses a key and waits until the program has taken it (it drew a frame).
export async function pressForFrame(page, combo) {
  const before = await page.evaluate(() => window.gfx.frames);
  await page.press(combo);
  await waitFor(page, (n) => window.gfx.frames > n, before);
}

// The gallery's main path as a visitor takes it: its list, then the first example's page
// by its link, drawn (a program that asks for a line first gets an empty one), halted
// and recording, so that a click is its one event. Resolves to the example's page.
export async function galleryExample(engine, url) {
  const page = await engine.open(`${url}gallery/index.html`);
  await page.click('.gallery a');
  await waitFor(page, () => window.gfx?.frames >= 1 || document.getElementById('gets')?.open);
  if (await page.evaluate(() => document.getElementById('gets').open)) await page.press('Enter');
  await waitFor(page, () => window.gfx.frames >= 1);
  await page.press('Control+h');
  await waitFor(page, () => !window.gfx.ticking);
  await page.press('Control+r');
  await waitFor(page, () => window.gfx.menuChecked('RecordScript'));
  return page;
}
