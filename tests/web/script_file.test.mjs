// The page's binding of the library's script file to the store, without a browser:
// the program's file system, the store and the tabs' lock are stand-ins.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import { RecorderLock } from '../../gfx/backends/web/page/features/recorder_lock.js';
import { ScriptFile } from '../../gfx/backends/web/page/features/script_file.js';
import { MemoryStore } from '../../gfx/backends/web/page/features/script_store.js';
import { toLatin1, latin1 } from '../../gfx/backends/web/page/wire/text_lines.js';

const path = '/town/DROVA.SCR';
const turn = () => new Promise((r) => setTimeout(r, 0));

// emscripten's FS as far as the page uses it: whole files in a map.
function fakeFs() {
  const files = new Map();
  return {
    files,
    mkdir() {},
    readFile(p) {
      if (!files.has(p)) throw new Error('ENOENT');
      return Uint8Array.from(files.get(p));
    },
    writeFile(p, bytes) {
      files.set(p, [...bytes]);
    },
    unlink(p) {
      if (!files.delete(p)) throw new Error('ENOENT');
    },
  };
}

// What the library does: asks, opens (emptying the file) at its first line and tells
// of each line it wrote. False when the page refused it the file.
function libraryWrites(fs, file, lines, { opening = true } = {}) {
  if (opening) {
    if (!file.mayWrite) return false;
    fs.files.set(path, []);
    file.opened();
  }
  for (const line of lines) {
    fs.files.get(path).push(...toLatin1(line));
    file.written();
  }
  return true;
}

function status() {
  return { said: [], standing: '', say(t) { this.said.push(t); }, stand(t) { this.standing = t; } };
}

// A memory store: no channel to other tabs, which would keep node running.
async function mounted({ store = new MemoryStore(), locks = null } = {}) {
  const fs = fakeFs();
  const failures = [];
  const s = status();
  const file = new ScriptFile({
    lock: new RecorderLock(locks),
    status: s,
    onFailure: () => failures.push(s.said.at(-1)),
  });
  await file.mount(fs, '/town', async () => ({ store, problem: null }));
  return { fs, file, store, failures, status: s };
}

describe('script file', () => {
  it('stores what the library writes, each turn as one record of the whole file', async () => {
    const store = new MemoryStore();
    const saves = [];
    const save = store.save.bind(store);
    store.save = (bytes, at) => {
      saves.push(latin1(bytes));
      return save(bytes, at);
    };
    const { fs, file } = await mounted({ store });
    file.recordingChanged(true);
    libraryWrites(fs, file, ['DROVA_PERIODIC(3);\n', 'DROVA_MOUSE(1, 2);\n']);
    await turn();
    libraryWrites(fs, file, ['DROVA_KBD(97);\n'], { opening: false });
    file.recordingChanged(false);
    file.closed();
    await turn();
    assert.deepEqual(saves, [
      'DROVA_PERIODIC(3);\nDROVA_MOUSE(1, 2);\n',
      'DROVA_PERIODIC(3);\nDROVA_MOUSE(1, 2);\nDROVA_KBD(97);\n',
    ]);
    assert.equal(latin1((await store.load()).bytes), saves[1]);
  });

  it('a failed save is reported once, says what failed, and leaves the copy to download', async () => {
    const store = new MemoryStore();
    store.save = () => Promise.reject(new DOMException('', 'QuotaExceededError'));
    const { fs, file, failures } = await mounted({ store });
    file.recordingChanged(true);
    libraryWrites(fs, file, ['DROVA_MOUSE(1, 2);\n']);
    await turn();
    assert.deepEqual(failures, ['DROVA.SCR could not be saved: QuotaExceededError.']);
    assert.equal(latin1(await file.newest()), 'DROVA_MOUSE(1, 2);\n');
  });

  it('refuses the library a second writer, and the refused tab stores nothing', async () => {
    const held = new Set();
    const locks = {
      async request(name, options, callback) {
        if (held.has(name)) return callback(null);
        held.add(name);
        return callback({ name });
      },
    };
    const store = new MemoryStore();
    const first = await mounted({ store, locks });
    const second = await mounted({ store, locks });
    first.file.recordingChanged(true);
    second.file.recordingChanged(true);
    await turn();
    assert.equal(libraryWrites(first.fs, first.file, ['DROVA_MOUSE(1, 2);\n']), true);
    assert.equal(libraryWrites(second.fs, second.file, ['DROVA_MOUSE(3, 4);\n']), false);
    await turn();
    assert.equal(latin1((await store.load()).bytes), 'DROVA_MOUSE(1, 2);\n');
    assert.deepEqual(second.failures, []);
  });

  it('an upload while this tab records is refused and changes nothing', async () => {
    const { fs, file, store } = await mounted();
    file.recordingChanged(true);
    libraryWrites(fs, file, ['DROVA_MOUSE(1, 2);\n']);
    const { refusal } = await file.upload(toLatin1('DROVA_PERIODIC(9);\n'));
    assert.match(refusal, /not uploaded while this page records it/);
    await turn();
    assert.equal(latin1((await store.load()).bytes), 'DROVA_MOUSE(1, 2);\n');
  });

  it('an upload is stored once and becomes the library\'s copy', async () => {
    const store = new MemoryStore();
    let saves = 0;
    const save = store.save.bind(store);
    store.save = (...a) => {
      ++saves;
      return save(...a);
    };
    const { fs, file } = await mounted({ store });
    assert.deepEqual(await file.upload(toLatin1('DROVA_PERIODIC(9);\n')), {});
    await turn();
    assert.equal(saves, 1);
    assert.equal(latin1(fs.readFile(path)), 'DROVA_PERIODIC(9);\n');
  });
});
