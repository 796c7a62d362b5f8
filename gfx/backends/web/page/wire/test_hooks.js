// What only tests and measurements use: the query parameters that start the page in a
// known state (menu=, program=, seed=, busy) and the read-only view window.gfx.
import { MenuId } from './messages.js';

// May not: change what the program sees unless one of these parameters is given; the
// program and the other modules never read window.gfx.
const params = new URLSearchParams(location.search);

// Menu commands given by name with ?menu=Halt,Logging,PlaybackScript come before any tick;
// the ids are the program's, known once it has opened its window.
export function testMenuCommands() {
  return (params.get('menu') || '')
    .split(',')
    .filter((name) => Object.hasOwn(MenuId, name))
    .map((name) => MenuId[name]);
}

// The program to load: ?program=NAME runs one of the test programs beside the site's
// own; null when none is asked for.
export function testProgram() {
  const name = params.get('program') || '';
  return /^[a-z_]+$/.test(name) ? name : null;
}

// ?seed=N fixes the calendar time that seeds the program, so that a run repeats.
export function testSeed() {
  const seed = params.get('seed');
  return seed !== null && /^\d+$/.test(seed) ? Number(seed) : null;
}

// ?busy hands the browser its turn at every pass of the program, as a machine too busy
// to run a slice within its time would: what depends on that timing happens every time.
export function testBusy() {
  return params.has('busy');
}

// Publishes the page's state as window.gfx; every field reads a module's own state.
export function exposeTestHooks({ canvas, timer, panel, menu, bridge, ending }) {
  window.gfx = {
    get frames() {
      return canvas.frames;
    },
    get waits() {
      return bridge.waits; // how often the program was suspended
    },
    get ticking() {
      return timer.running;
    },
    get ended() {
      return ending.ended;
    },
    get status() {
      return ending.status;
    },
    get logCount() {
      return panel.count;
    },
    get logDigest() {
      return panel.digest;
    },
    lines: () => panel.lines(),
    // When set, called with every line the panel is given.
    set onLine(callback) {
      panel.onLine = callback;
    },
    // By the item's name as the program gives it: 'Logging', 'RecordScript', ...
    menuChecked: (name) => menu.isChecked(MenuId[name]),
  };
}
