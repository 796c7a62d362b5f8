// Where DROVA.SCR is kept between visits: one record in IndexedDB, or, when the
// browser gives no IndexedDB, in memory for this visit only.
// May not: touch the library's file or decide who may write; it stores and loads the
// bytes it is given, and every failure reaches the caller.
export const ScriptName = 'DROVA.SCR';
// The page's names in the browser (the database, the journal's key, the writer's lock
// and the tabs' channel) begin with the library's name, whichever program runs.
export const StorageName = `gfx-page ${ScriptName}`;

const DatabaseName = 'gfx-page';
const StoreName = 'scripts';
const OpenTimeoutMs = 5000;

function request(r) {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error);
  });
}

// A failure as one short text: "QuotaExceededError: ...".
export function describeError(error) {
  if (!error) return 'unknown error';
  return error.message ? `${error.name}: ${error.message}` : String(error.name || error);
}

class DatabaseStore {
  durable = true;
  #db;

  constructor(db) {
    this.#db = db;
  }

  // The stored record { bytes, savedAt }, or null.
  async load() {
    const tx = this.#db.transaction(StoreName, 'readonly');
    const value = await request(tx.objectStore(StoreName).get(ScriptName));
    return value?.bytes instanceof Uint8Array ? value : null;
  }

  // Resolves once the record is on disk: the transaction has completed. savedAt
  // orders saves of different tabs and visits.
  save(bytes, savedAt = Date.now()) {
    return new Promise((resolve, reject) => {
      let tx;
      try {
        tx = this.#db.transaction(StoreName, 'readwrite');
        tx.objectStore(StoreName).put({ bytes, savedAt }, ScriptName);
        tx.commit?.();
      } catch (error) {
        reject(error);
        return;
      }
      tx.oncomplete = () => resolve();
      tx.onabort = () => reject(tx.error || new DOMException('The save was aborted', 'AbortError'));
    });
  }
}

export class MemoryStore {
  durable = false;
  #record = null;

  async load() {
    return this.#record;
  }

  async save(bytes, savedAt = Date.now()) {
    this.#record = { bytes, savedAt };
  }
}

function openDatabase(factory) {
  return new Promise((resolve, reject) => {
    const timeout = setTimeout(
      () => reject(new DOMException('IndexedDB did not open in time', 'TimeoutError')),
      OpenTimeoutMs,
    );
    const r = factory.open(DatabaseName, 1);
    r.onupgradeneeded = () => r.result.createObjectStore(StoreName);
    r.onsuccess = () => {
      clearTimeout(timeout);
      r.result.onversionchange = () => r.result.close();
      resolve(r.result);
    };
    r.onerror = () => {
      clearTimeout(timeout);
      reject(r.error);
    };
  });
}

// Where the page's earlier versions kept DROVA.SCR: the same record in a database
// named after the first program of the page, and before that the working folder
// stored with emscripten's IDBFS, one entry per path. Both are read, never changed.
const FormerDatabaseName = 'fenns-town';
const FormerFolder = '/town';

// DROVA.SCR as the earlier versions kept it, the newer layout first, or null.
export async function formerScript(factory = globalThis.indexedDB) {
  if (!factory?.databases) return null;
  const names = (await factory.databases()).map((d) => d.name);
  // Opening a database that is not there would make it.
  const record = names.includes(FormerDatabaseName) ? await formerRecord(factory) : null;
  if (record) return record;
  return names.includes(FormerFolder) ? folderScript(factory) : null;
}

async function formerRecord(factory) {
  const db = await request(factory.open(FormerDatabaseName));
  try {
    if (!db.objectStoreNames.contains(StoreName)) return null;
    return (await new DatabaseStore(db).load())?.bytes ?? null;
  } finally {
    db.close();
  }
}

async function folderScript(factory) {
  const db = await request(factory.open(FormerFolder));
  try {
    if (!db.objectStoreNames.contains('FILE_DATA')) return null;
    const files = db.transaction('FILE_DATA', 'readonly').objectStore('FILE_DATA');
    const entry = await request(files.get(`${FormerFolder}/${ScriptName}`));
    return entry?.contents instanceof Uint8Array ? entry.contents : null;
  } finally {
    db.close();
  }
}

// The store to use and, when it is only memory, why.
export async function openScriptStore(factory = globalThis.indexedDB) {
  const inMemory = (problem) => ({ store: new MemoryStore(), problem });
  if (!factory) return inMemory('this browser gives the page no IndexedDB');
  try {
    return { store: new DatabaseStore(await openDatabase(factory)), problem: null };
  } catch (error) {
    return inMemory(`IndexedDB did not open (${describeError(error)})`);
  }
}
