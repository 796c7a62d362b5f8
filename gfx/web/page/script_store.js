// DROVA.SCR in the browser's storage: the folder the library works in, kept in
// IndexedDB, and the file moved to and from disk by Download and Upload.
// May not: read or change any other file; it never parses a script.
export const ScriptName = 'DROVA.SCR';

export class ScriptStore {
  #storage = null; // { fs, folder, synced, pending }
  #status;

  constructor(statusElement) {
    this.#status = statusElement;
  }

  // Mounts IndexedDB at folder and fills it from there.
  async mount(folder, fs, idbfs) {
    fs.mkdir(folder);
    fs.mount(idbfs, {}, folder);
    this.#storage = { fs, folder, synced: '', pending: Promise.resolve() };
    try {
      await this.#syncfs(true);
    } catch (e) {
      console.warn(`Stored files could not be read: ${e}`);
    }
    this.#storage.synced = this.#stamp();
  }

  // Writes the folder to IndexedDB when the script changed; one write at a time.
  save(force = false) {
    const s = this.#storage;
    if (!s) return Promise.resolve();
    const stamp = this.#stamp();
    if (!force && stamp === s.synced) return s.pending;
    s.synced = stamp;
    s.pending = s.pending.then(() => this.#syncfs(false)).catch((e) => console.warn(e));
    return s.pending;
  }

  download() {
    let bytes;
    try {
      bytes = this.#storage.fs.readFile(this.#path());
    } catch {
      this.#say(`No ${ScriptName} yet: record one with Ctrl+R.`);
      return;
    }
    const url = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
    const a = document.createElement('a');
    a.href = url;
    a.download = ScriptName;
    a.click();
    setTimeout(() => URL.revokeObjectURL(url), 0);
    this.#say(`${ScriptName} downloaded.`);
  }

  async upload(file) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    this.#storage.fs.writeFile(this.#path(), bytes);
    await this.save(true);
    this.#say(`${ScriptName} uploaded (${bytes.length} bytes): play it with Ctrl+P.`);
  }

  #say(message) {
    this.#status.textContent = message;
  }

  #syncfs(populate) {
    return new Promise((resolve, reject) =>
      this.#storage.fs.syncfs(populate, (error) => (error ? reject(error) : resolve())),
    );
  }

  #path() {
    return `${this.#storage.folder}/${ScriptName}`;
  }

  #stamp() {
    try {
      const st = this.#storage.fs.stat(this.#path());
      return `${st.mtime.getTime()}:${st.size}`;
    } catch {
      return '';
    }
  }
}
