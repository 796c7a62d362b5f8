// The page's binding of the library's script file to the store, without a browser:
// the program's file system, the store and the tabs' lock are stand-ins.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import { RecorderLock } from '../../gfx/web/page/recorder_lock.js';
import { ScriptFile } from '../../gfx/web/page/script_file.js';
import { MemoryStore } from '../../gfx/web/page/script_store.js';
import { toLatin1, latin1 } from '../../gfx/web/page/text_lines.js';

const O_WRONLY = 1;
const O_CREAT = 64;
const O_TRUNC = 512;
const path = '/town/DROVA.SCR';
const turn = () => new Promise((r) => setTimeout(r, 0));

// emscripten's FS as far as the library and the page use it: whole files in a map.
function fakeFs() {
  const files = new Map();
  let nextFd = 3;
  const fs = {
    files,
    cwd: () => '/town',
    mkdir() {},
    readFile(p) {
      if (!files.has(p)) throw new Error('ENOENT');
      return Uint8Array.from(files.get(p));
    },
    writeFile(p, bytes) {
      const s = fs.open(p, 'w');
      fs.write(s, bytes, 0, bytes.length);
      fs.close(s);
    },
    unlink(p) {
      if (!files.delete(p)) throw new Error('ENOENT');
    },
    open(name, flags) {
      const p = name.startsWith('/') ? name : `${fs.cwd()}/${name}`;
      if (typeof flags === 'string' || flags & O_TRUNC || !files.has(p)) files.set(p, []);
      return { path: p, fd: nextFd++ };
    },
    write(stream, bytes, offset, length) {
      files.get(stream.path).push(...bytes.subarray(offset, offset + length));
      return length;
    },
    ftruncate() {},
    close() {},
    ErrnoError: class extends Error {
      constructor(errno) {
        super(`errno ${errno}`);
        this.errno = errno;
      }
    },
  };
  return fs;
}

// What the library does: open with O_TRUNC at its first line, one write per line.
function libraryWrites(fs, lines) {
  const stream = fs.open('DROVA.SCR', O_WRONLY | O_CREAT | O_TRUNC);
  for (const line of lines) {
    const bytes = toLatin1(line);
    fs.write(stream, bytes, 0, bytes.length);
  }
  return stream;
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
    const stream = libraryWrites(fs, ['DROVA_PERIODIC(3);\n', 'DROVA_MOUSE(1, 2);\n']);
    await turn();
    fs.write(stream, toLatin1('DROVA_KBD(97);\n'), 0, 15);
    file.recordingChanged(false);
    fs.close(stream);
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
    libraryWrites(fs, ['DROVA_MOUSE(1, 2);\n']);
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
    libraryWrites(first.fs, ['DROVA_MOUSE(1, 2);\n']);
    assert.throws(() => libraryWrites(second.fs, ['DROVA_MOUSE(3, 4);\n']), { errno: 2 });
    await turn();
    assert.equal(latin1((await store.load()).bytes), 'DROVA_MOUSE(1, 2);\n');
    assert.deepEqual(second.failures, []);
  });

  it('an upload while this tab records is refused and changes nothing', async () => {
    const { fs, file, store } = await mounted();
    file.recordingChanged(true);
    libraryWrites(fs, ['DROVA_MOUSE(1, 2);\n']);
    assert.equal(await file.upload(toLatin1('DROVA_PERIODIC(9);\n')), 'recording');
    await turn();
    assert.equal(latin1((await store.load()).bytes), 'DROVA_MOUSE(1, 2);\n');
  });

  it('the page\'s own writes (an upload) are not taken for the library\'s', async () => {
    const store = new MemoryStore();
    let saves = 0;
    const save = store.save.bind(store);
    store.save = (...a) => {
      ++saves;
      return save(...a);
    };
    const { fs, file } = await mounted({ store });
    assert.equal(await file.upload(toLatin1('DROVA_PERIODIC(9);\n')), 'stored');
    await turn();
    assert.equal(saves, 1);
    assert.equal(latin1(fs.readFile(path)), 'DROVA_PERIODIC(9);\n');
  });
});
