// The page's own logic without a browser: the event queue the program waits on, the
// key translation, the menu texts and the text panel's lines.
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { describe, it } from 'node:test';

import { EventQueue } from '../../gfx/backends/web/page/wire/event_queue.js';
import { isShortcut, keyDownMessages, keyUpMessages, typedByte } from '../../gfx/backends/web/page/wire/keys.js';
import { parseMenuText, reservedShortcuts } from '../../gfx/backends/web/page/wire/menu.js';
import { KeyCode, Message, defineWire } from '../../gfx/backends/web/page/wire/messages.js';
import { TextPanel } from '../../gfx/backends/web/page/wire/panel.js';
import { TextLines, latin1, shownLine, toLatin1 } from '../../gfx/backends/web/page/wire/text_lines.js';
import { RecorderLock } from '../../gfx/backends/web/page/features/recorder_lock.js';
import { MemoryStore, openScriptStore } from '../../gfx/backends/web/page/features/script_store.js';
import { MaxScriptBytes, uploadRefusal } from '../../gfx/backends/web/page/features/script_file.js';
import { strangeFirstLine } from '../../gfx/backends/web/page/features/script_transfer.js';

// The numbers the program hands over, in the library's order.
const wire = {
  Message: { Timer: 0, LeftClick: 1, KeyDown: 2, KeyUp: 3, Character: 4, Command: 5, Size: 6, Quit: 7 },
  KeyCode: { Control: 0x11, Other: 0xff },
  MenuId: { Logging: 4, RecordScript: 5, PlaybackScript: 6 },
};
defineWire(wire);

describe('the wire', () => {
  it('takes every number the page uses from the program, and refuses a program that lacks one', () => {
    assert.deepEqual(Message, wire.Message);
    const { RecordScript, ...withoutRecord } = wire.MenuId;
    assert.equal(RecordScript, 5);
    assert.throws(
      () => defineWire({ ...wire, MenuId: withoutRecord, KeyCode: { Control: '17' } }),
      /no number for KeyCode\.Control, KeyCode\.Other, MenuId\.RecordScript$/,
    );
    assert.deepEqual(Message, wire.Message, 'a refused wire changes nothing');
  });
});

describe("the page's two sides", () => {
  const folder = new URL('../../gfx/backends/web/page/', import.meta.url);
  // Every import of the side's modules: [module, names, imported path].
  const importsOf = (side) =>
    readdirSync(new URL(side, folder)).flatMap((name) =>
      [...readFileSync(new URL(`${side}/${name}`, folder), 'utf8').matchAll(/^import \{([^}]*)\} from '([^']+)'/gm)].map(
        ([, names, from]) => [name, names.trim(), from],
      ),
    );

  it('the wire imports nothing of the features, the features only latin1 of the wire', () => {
    const wire = importsOf('wire');
    assert.ok(wire.length >= 5, 'the wire modules import each other');
    assert.deepEqual(wire.filter(([, , from]) => !from.startsWith('./')), []);
    const features = importsOf('features');
    assert.deepEqual(
      features.filter(([, , from]) => !from.startsWith('./')),
      [
        ['script_journal.js', 'latin1', '../wire/text_lines.js'],
        ['script_transfer.js', 'latin1', '../wire/text_lines.js'],
      ],
    );
  });
});

const settled = (promise) =>
  Promise.race([promise.then(() => true), new Promise((r) => setTimeout(() => r(false), 20))]);

describe('event queue', () => {
  it('gives events back in the order they came, with their values', () => {
    const q = new EventQueue();
    q.push({ kind: Message.LeftClick, x: 10, y: 20 });
    q.push({ kind: Message.LeftClick, x: 11, y: 21 });
    q.push({ kind: Message.Character, character: 97 });
    assert.deepEqual(q.take(), { kind: Message.LeftClick, x: 10, y: 20 });
    assert.deepEqual(q.take(), { kind: Message.LeftClick, x: 11, y: 21 });
    assert.deepEqual(q.take(), { kind: Message.Character, character: 97 });
    assert.equal(q.take(), null);
  });

  it('keeps one tick for any number that arrive before it is taken', () => {
    const q = new EventQueue();
    q.push({ kind: Message.Timer });
    q.push({ kind: Message.Timer });
    q.push({ kind: Message.KeyDown, keyCode: KeyCode.Control });
    q.push({ kind: Message.Timer });
    assert.equal(q.length, 2);
    assert.equal(q.take().kind, Message.Timer);
    q.push({ kind: Message.Timer }); // taken, so a new tick queues again
    assert.deepEqual(
      [q.take(), q.take()].map((e) => e.kind),
      [Message.KeyDown, Message.Timer],
    );
  });

  it('wakes a wait for the user on input but not on ticks', async () => {
    const q = new EventQueue();
    const wait = q.wait(false);
    q.push({ kind: Message.Timer });
    assert.equal(await settled(wait), false);
    assert.ok(q.waiting);
    q.push({ kind: Message.Command, commandId: 2 });
    assert.equal(await settled(wait), true);
    assert.equal(q.length, 2); // the tick stayed queued
  });

  it('wakes a wait for a tick on the tick', async () => {
    const q = new EventQueue();
    const wait = q.wait(true);
    assert.equal(await settled(wait), false);
    q.push({ kind: Message.Timer });
    assert.equal(await settled(wait), true);
    assert.equal(q.waiting, false);
  });

  it('does not wait when a waking event is already queued', async () => {
    const q = new EventQueue();
    q.push({ kind: Message.Timer });
    assert.equal(await settled(q.wait(true)), true);
    assert.equal(await settled(q.wait(false)), false);
  });
});

const key = (key, code, extra = {}) => ({ key, code, ctrlKey: false, altKey: false, ...extra });

describe('keys', () => {
  it('gives Control, letters and digits their key codes, and other keys one code', () => {
    assert.deepEqual(keyUpMessages(key('Control', 'ControlLeft')), [{ kind: Message.KeyUp, keyCode: 0x11 }]);
    assert.deepEqual(keyUpMessages(key('h', 'KeyH')), [{ kind: Message.KeyUp, keyCode: 72 }]);
    assert.deepEqual(keyUpMessages(key('H', 'KeyH')), [{ kind: Message.KeyUp, keyCode: 72 }]);
    assert.deepEqual(keyUpMessages(key('7', 'Digit7')), [{ kind: Message.KeyUp, keyCode: 55 }]);
    assert.deepEqual(keyUpMessages(key('Shift', 'ShiftLeft')), [{ kind: Message.KeyUp, keyCode: 0xff }]);
    // The key's place decides, not what a layout types on it.
    assert.deepEqual(keyUpMessages(key('q', 'KeyA')), [{ kind: Message.KeyUp, keyCode: 65 }]);
  });

  it('sends the key down before the character it types', () => {
    assert.deepEqual(keyDownMessages(key('k', 'KeyK')), [
      { kind: Message.KeyDown, keyCode: 75 },
      { kind: Message.Character, character: 107 },
    ]);
    assert.deepEqual(keyDownMessages(key('Control', 'ControlLeft')), [{ kind: Message.KeyDown, keyCode: 0x11 }]);
    assert.deepEqual(keyDownMessages(key('ArrowLeft', 'ArrowLeft')), [{ kind: Message.KeyDown, keyCode: 0xff }]);
  });

  it('types Latin-1 bytes and the control characters of Enter, Backspace, Tab, Escape', () => {
    assert.equal(typedByte(key('é', 'KeyE')), 0xe9);
    assert.equal(typedByte(key('ÿ', '')), 0xff);
    assert.equal(typedByte(key('€', 'KeyE')), null); // outside Latin-1: dropped
    assert.equal(typedByte(key('😀', '')), null);
    assert.equal(typedByte(key(' ', 'Space')), 32);
    assert.deepEqual(
      ['Enter', 'Backspace', 'Tab', 'Escape'].map((k) => typedByte(key(k, k))),
      [13, 8, 9, 27],
    );
    assert.equal(typedByte(key('Dead', 'Quote')), null);
  });

  it('takes over exactly the Ctrl shortcuts it is given', () => {
    const letters = new Set(['A', 'H', 'F', 'L', 'R', 'P', 'O', 'Q']);
    const taken = [...'ABCDEFGHIJKLMNOPQRSTUVWXYZ'].filter((l) =>
      isShortcut(key(l.toLowerCase(), `Key${l}`, { ctrlKey: true }), letters),
    );
    assert.deepEqual(taken, ['A', 'F', 'H', 'L', 'O', 'P', 'Q', 'R']);
    assert.equal(isShortcut(key('h', 'KeyH'), letters), false);
    assert.equal(isShortcut(key('h', 'KeyH', { ctrlKey: true, altKey: true }), letters), false);
    assert.equal(isShortcut(key('Control', 'ControlLeft', { ctrlKey: true }), letters), false);
    assert.equal(isShortcut(key('a', 'KeyA', { ctrlKey: true }), new Set()), false);
  });
});

describe('menu texts', () => {
  it('splits the access key and the shortcut label off the text', () => {
    assert.deepEqual(parseMenuText('&Halt animation'), {
      before: '',
      key: 'H',
      after: 'alt animation',
    });
    assert.deepEqual(parseMenuText('Play &One Script'), {
      before: 'Play ',
      key: 'O',
      after: 'ne Script',
    });
    assert.deepEqual(parseMenuText('DROVA v2.2 July 1997'), {
      before: 'DROVA v2.2 July 1997',
      key: '',
      after: '',
    });
  });
});

const bytes = (s) => toLatin1(s);

describe('shortcuts a browser keeps', () => {
  it('are Ctrl+Q in Firefox on Linux only', () => {
    const agents = {
      'Mozilla/5.0 (X11; Linux x86_64; rv:153.0) Gecko/20100101 Firefox/153.0': ['Q'],
      'Mozilla/5.0 (X11; Ubuntu; Linux x86_64; rv:128.0) Gecko/20100101 Firefox/128.0': ['Q'],
      'Mozilla/5.0 (Windows NT 10.0; Win64; x64; rv:128.0) Gecko/20100101 Firefox/128.0': [],
      'Mozilla/5.0 (Macintosh; Intel Mac OS X 10.15; rv:128.0) Gecko/20100101 Firefox/128.0': [],
      'Mozilla/5.0 (Android 14; Mobile; rv:128.0) Gecko/128.0 Firefox/128.0': [],
      'Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/156.0.0.0 Safari/537.36': [],
      'Mozilla/5.0 (Macintosh; Intel Mac OS X 10_15_7) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/18.0 Safari/605.1.15': [],
    };
    for (const [agent, letters] of Object.entries(agents)) assert.deepEqual([...reservedShortcuts(agent)], letters, agent);
  });
});

describe('text panel lines', () => {
  it('counts every line and shows each without its last line end', () => {
    const t = new TextLines();
    for (let i = 1; i <= 30; ++i) assert.equal(t.add(bytes(`line ${i}\n`)), `line ${i}`);
    assert.equal(t.count, 30);
  });

  it('drops only the last of two line ends', () => {
    const t = new TextLines();
    assert.equal(t.add(bytes('two ends\n\n')), 'two ends\n');
    assert.equal(t.add(bytes('none')), 'none');
    assert.equal(shownLine(bytes('x\n')), 'x');
  });

  it('reads and writes Latin-1, not UTF-8', () => {
    assert.equal(latin1(Uint8Array.from([0x63, 0x61, 0x66, 0xe9])), 'café');
    assert.deepEqual([...toLatin1('café €')], [0x63, 0x61, 0x66, 0xe9, 0x20]);
    const long = new Uint8Array(10000).fill(0x41);
    assert.equal(latin1(long).length, 10000);
  });

  it('digests every line in order, so two runs compare by count and digest', () => {
    const a = new TextLines();
    const b = new TextLines();
    const c = new TextLines();
    ['x', 'y', 'xy'].forEach((l) => a.add(bytes(l)));
    ['x', 'y', 'xy'].forEach((l) => b.add(bytes(l)));
    ['xy', 'x', 'y'].forEach((l) => c.add(bytes(l)));
    assert.equal(a.digest, b.digest);
    assert.notEqual(a.digest, c.digest);
    const d = new TextLines();
    ['xyx', 'y'].forEach((l) => d.add(bytes(l))); // same bytes, other line breaks
    const e = new TextLines();
    ['x', 'yxy'].forEach((l) => e.add(bytes(l)));
    assert.notEqual(d.digest, e.digest);
  });
});

describe('event queue wake', () => {
  it('resumes a waiting program without an event, and does nothing when none waits', async () => {
    const q = new EventQueue();
    q.wake();
    const wait = q.wait(false);
    q.wake();
    assert.equal(await settled(wait), true);
    assert.equal(q.take(), null, 'no event was queued');
  });
});

describe('uploads', () => {
  it('refuses files over 16 MiB and uploads while recording, before reading them', () => {
    assert.equal(uploadRefusal(MaxScriptBytes, false), null);
    assert.match(uploadRefusal(MaxScriptBytes + 1, false), /16777217 bytes, more than the 16 MiB/);
    assert.match(uploadRefusal(10, true), /while this page records/);
  });

  it('names a first non-empty line that is no script line', () => {
    const bytes = (text) => toLatin1(text);
    assert.equal(strangeFirstLine(bytes('\n\nDROVA_KBD(97);\n')), null);
    assert.equal(strangeFirstLine(bytes('DROVA_PERIODIC(3);')), null);
    assert.equal(strangeFirstLine(bytes('')), null);
    assert.equal(strangeFirstLine(bytes('\r\n#!/bin/sh\r\nDROVA_KBD(1);\n')), '#!/bin/sh');
    assert.equal(strangeFirstLine(bytes('DROVA_X(1);\n')), 'DROVA_X(1);');
    assert.equal(strangeFirstLine(bytes('x'.repeat(100))), `${'x'.repeat(40)}...`);
  });
});

describe('script store', () => {
  it('keeps scripts in memory when there is no IndexedDB, and says why', async () => {
    const { store, problem } = await openScriptStore(null);
    assert.equal(store.durable, false);
    assert.match(problem, /no IndexedDB/);
    assert.equal(await store.load(), null);
    await store.save(Uint8Array.of(1, 2), 5);
    assert.deepEqual(await store.load(), { bytes: Uint8Array.of(1, 2), savedAt: 5 });
  });

  it('falls back to memory when IndexedDB throws on open', async () => {
    const factory = {
      open() {
        throw Object.assign(new Error('refused'), { name: 'UnknownError' });
      },
    };
    const { store, problem } = await openScriptStore(factory);
    assert.ok(store instanceof MemoryStore);
    assert.match(problem, /UnknownError: refused/);
  });
});

describe('recorder lock', () => {
  // Web Locks within one process: a name is held until its callback's promise settles.
  function fakeLocks() {
    const held = new Set();
    return {
      async request(name, options, callback) {
        if (held.has(name)) return callback(null);
        held.add(name);
        try {
          return await callback({ name });
        } finally {
          held.delete(name);
        }
      },
    };
  }

  it('grants one tab at a time, refuses the other without waiting, and frees on release', async () => {
    const locks = fakeLocks();
    const first = new RecorderLock(locks);
    const second = new RecorderLock(locks);
    assert.equal(await first.request(), true);
    assert.equal(first.state, 'held');
    assert.equal(await second.request(), false);
    assert.equal(second.state, 'refused');
    second.release();
    first.release();
    await new Promise((r) => setTimeout(r, 0));
    assert.equal(await second.request(), true);
    assert.equal(await first.request(), false);
  });

  it('grants everything without the Web Locks API', async () => {
    const lock = new RecorderLock(null);
    assert.equal(await lock.request(), true);
    assert.equal(lock.state, 'held');
  });
});

describe('text panel', () => {
  // Just enough of an element for the panel: children, append, remove, text.
  function fakeElement(doc) {
    const e = {
      children: [],
      textContent: '',
      ownerDocument: doc,
      appendChild(child) {
        child.parent = e;
        e.children.push(child);
        return child;
      },
      append(child) {
        e.appendChild(child);
      },
      remove() {
        e.parent.children.splice(e.parent.children.indexOf(e), 1);
      },
    };
    return e;
  }

  it('shows the lines as they come at a flush, keeping as many as the history holds', () => {
    const doc = { createElement: () => fakeElement(doc) };
    const linesElement = fakeElement(doc);
    const panel = new TextPanel(linesElement);
    panel.keep(4);
    const shown = () => linesElement.children[0].children.map((e) => e.textContent);
    const add = (...lines) => lines.forEach((l) => panel.add(bytes(l)));
    add('a\n', 'b');
    assert.deepEqual(shown(), [], 'drawn at the flush only');
    assert.deepEqual(panel.lines(), ['a', 'b']);
    panel.flush();
    assert.deepEqual(shown(), ['a', 'b']);
    assert.equal(panel.count, 2);

    // More lines than it keeps: the oldest go, the kept ones stay the same elements.
    const b = linesElement.children[0].children[1];
    add('c', 'd', 'b');
    panel.flush();
    assert.deepEqual(shown(), ['b', 'c', 'd', 'b']);
    assert.equal(linesElement.children[0].children[0], b, 'the kept line is the same element');
    // A flood between two flushes leaves only the newest, each counted.
    add(...Array.from({ length: 10 }, (_, i) => `x${i}`));
    panel.flush();
    assert.deepEqual(shown(), ['x6', 'x7', 'x8', 'x9']);
    assert.equal(panel.count, 15);
  });
});
