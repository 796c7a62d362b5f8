// The library's script file in the program's file system, bound to the script store:
// what the library writes to DROVA.SCR is stored at once (the whole file as one
// record), a save that fails is counted for the library to report, and a script
// another tab stored replaces the copy the library reads.
// May not: write the store for a tab that does not hold the writer's lock, write what
// the library did not write (but for an upload), or report failures itself.
import { describeError, formerScript, openScriptStore, ScriptName } from './script_store.js';
import { latin1 } from './text_lines.js';

const JournalKey = `fenns-town ${ScriptName} at the end of a page`;
const AccessModeMask = 3; // O_ACCMODE: 0 reads, 1 or 2 write
const PermissionDenied = 2; // EACCES in the program's numbering

export class ScriptFile {
  #fs = null;
  #path = '';
  #store = null;
  #lock;
  #status; // the storage status line
  #onFailure; // called once per failed save
  #channel = null; // tells the page's other tabs of a new stored script
  #writer = null; // the library's stream while it writes the file
  #recording = false;
  #uploading = false;
  #saveQueued = false;
  #saving = Promise.resolve();
  #failed = false;
  #held = false; // the copy is a shared run's script, for this visit only
  #lastSave = null; // { bytes, savedAt } of this tab's newest save
  #internal = false; // the page's own writes pass unwatched

  constructor({ lock, status, onFailure }) {
    this.#lock = lock;
    this.#status = status;
    this.#onFailure = onFailure;
  }

  #say(text) {
    this.#status.say(text);
  }

  get recording() {
    return this.#recording;
  }

  // False while another tab holds the writer's lock.
  get mayWrite() {
    return this.#lock.state !== 'refused';
  }

  // Puts the stored script in place at folder/DROVA.SCR and watches the library's
  // use of it.
  async mount(fs, folder, openStore = openScriptStore) {
    const { store, problem } = await openStore();
    this.#store = store;
    if (problem) {
      this.#status.stand(
        `${ScriptName} is kept in this page only and is lost when it closes: ${problem}.`,
      );
    }
    this.#fs = fs;
    this.#path = `${folder}/${ScriptName}`;
    fs.mkdir(folder);
    try {
      this.#replaceCopy(
        (await this.#takeJournal()) ??
          (await this.#store.load())?.bytes ??
          (await this.#takeFormerScript()),
      );
    } catch (error) {
      this.#say(`The stored ${ScriptName} could not be read (${describeError(error)}).`);
    }
    this.#watch(fs);
    if (this.#store.durable && typeof BroadcastChannel === 'function') {
      this.#channel = new BroadcastChannel(`fenns-town ${ScriptName}`);
      this.#channel.onmessage = () => this.refresh();
    }
  }

  // A script for this visit only (a shared run): the library reads it, the store
  // keeps the visitor's own until the library writes the file or a script is uploaded.
  hold(bytes) {
    this.#held = true;
    this.#replaceCopy(bytes);
  }

  // The library switched recording on or off (its menu check).
  recordingChanged(on) {
    this.#recording = on;
    if (on) this.#lock.request();
    else this.#releaseWhenIdle();
  }

  // The page is hidden or goes away: what was written is stored now, not later.
  flush() {
    if (this.#saveQueued) this.#saveNow();
  }

  // The page is hidden or goes away: a save issued now may be cut off with it (a
  // hidden page may be discarded), so the script this tab last saved also goes into
  // the journal, which is written at once; the next visit stores it unless a later
  // save came meanwhile.
  journal() {
    if (!this.#lastSave || !this.#store.durable) return;
    try {
      const { bytes, savedAt } = this.#lastSave;
      localStorage.setItem(JournalKey, JSON.stringify({ text: latin1(bytes), savedAt }));
    } catch {
      // too large for it, or no localStorage: the save issued above is all there is
    }
  }

  async #takeJournal() {
    let entry = null;
    try {
      entry = JSON.parse(localStorage.getItem(JournalKey));
      localStorage.removeItem(JournalKey);
    } catch {
      return null;
    }
    if (!entry) return null;
    const stored = await this.#store.load();
    if (stored && stored.savedAt >= entry.savedAt) return null;
    const bytes = Uint8Array.from(entry.text, (c) => c.charCodeAt(0));
    try {
      await this.#store.save(bytes, entry.savedAt);
    } catch (error) {
      this.#fail(error);
    }
    return bytes;
  }

  // A script an earlier version of the page stored is kept: it becomes the record.
  async #takeFormerScript() {
    if (!this.#store.durable) return null;
    try {
      const bytes = await formerScript();
      if (bytes) await this.#store.save(bytes);
      return bytes;
    } catch {
      return null; // none that can be read
    }
  }

  // The newest stored script, or this tab's copy when the store cannot give it or
  // this tab's last save failed.
  async newest() {
    if (this.#failed || this.#held) return this.#copy();
    try {
      const stored = await this.#store.load();
      if (stored) return stored.bytes;
    } catch {
      // the copy is the best there is
    }
    return this.#copy();
  }

  // Another tab stored a script: the library reads it from now on. The copy a
  // playback has open stays as it was; a tab that writes, or whose last save failed,
  // keeps its own, as does a tab that holds a shared run's script.
  async refresh() {
    if (!this.#store?.durable || this.#writer || this.#uploading || this.#failed || this.#held) {
      return;
    }
    try {
      const stored = await this.#store.load();
      if (!this.#writer && !this.#uploading && !this.#failed) this.#replaceCopy(stored?.bytes);
    } catch {
      // the next change or visit tries again
    }
  }

  // Stores an uploaded script, then makes it the library's: 'stored', 'busy' when
  // another tab writes the script; throws what the store failed with.
  async upload(bytes) {
    if (this.#recording || this.#writer) return 'recording';
    if (!(await this.#lock.request())) {
      this.#lock.release();
      return 'busy';
    }
    this.#uploading = true;
    try {
      await this.#saving;
      await this.#store.save(bytes);
      this.#held = false;
      this.#replaceCopy(bytes);
      this.#channel?.postMessage('stored');
      return 'stored';
    } finally {
      this.#uploading = false;
      this.#lock.release();
    }
  }

  #copy() {
    try {
      return this.#fs.readFile(this.#path);
    } catch {
      return null;
    }
  }

  // A new file, not new contents: a stream that reads the old one keeps reading it.
  #replaceCopy(bytes) {
    const fs = this.#fs;
    try {
      fs.unlink(this.#path);
    } catch {
      // there was none
    }
    if (bytes) {
      this.#internal = true;
      try {
        fs.writeFile(this.#path, bytes);
      } finally {
        this.#internal = false;
      }
    }
  }

  #isScript(path) {
    if (typeof path !== 'string') return false;
    const absolute = path.startsWith('/') ? path : `${this.#fs.cwd()}/${path}`;
    return absolute === this.#path;
  }

  // Wraps the file system's open, write, truncate and close: the library writes
  // through them, and the page learns of every change it makes to the script file.
  #watch(fs) {
    const { open, write, ftruncate, close } = fs;
    fs.open = (path, flags, ...rest) => {
      const writes = typeof flags === 'number' && (flags & AccessModeMask) !== 0;
      if (this.#internal || !writes || !this.#isScript(path)) return open(path, flags, ...rest);
      // One writer at a time: another tab records, or an upload is being stored.
      if (this.#uploading || this.#lock.state === 'refused') {
        throw new fs.ErrnoError(PermissionDenied);
      }
      if (this.#lock.state === 'free') this.#lock.request();
      this.#writer = open(path, flags, ...rest);
      this.#held = false;
      this.#saveSoon();
      return this.#writer;
    };
    fs.write = (stream, ...rest) => {
      const n = write(stream, ...rest);
      if (stream === this.#writer) this.#saveSoon();
      return n;
    };
    fs.ftruncate = (fd, ...rest) => {
      ftruncate(fd, ...rest);
      if (this.#writer && fd === this.#writer.fd) this.#saveSoon();
    };
    fs.close = (stream) => {
      close(stream);
      if (stream !== this.#writer) return;
      this.#writer = null;
      this.flush();
      this.#releaseWhenIdle();
    };
  }

  // Everything written within one turn of the page is stored as one record.
  #saveSoon() {
    if (this.#saveQueued) return;
    this.#saveQueued = true;
    queueMicrotask(() => this.flush());
  }

  // Issued at once: the store keeps the order of the saves, and a page about to go
  // away cannot wait for the one before.
  #saveNow() {
    this.#saveQueued = false;
    if (this.#lock.state === 'refused') {
      this.#fail(new DOMException('another tab is writing it', 'NoModificationAllowedError'));
      return;
    }
    this.#lastSave = { bytes: this.#copy() ?? new Uint8Array(), savedAt: Date.now() };
    const saved = this.#store
      .save(this.#lastSave.bytes, this.#lastSave.savedAt)
      .then(() => this.#saved(), (error) => this.#fail(error));
    this.#saving = Promise.all([this.#saving, saved]);
  }

  #saved() {
    if (this.#failed) this.#say(`${ScriptName} is saved again.`);
    this.#failed = false;
    this.#channel?.postMessage('stored');
  }

  #fail(error) {
    this.#failed = true;
    this.#say(`${ScriptName} could not be saved: ${describeError(error)}.`);
    this.#onFailure();
  }

  #releaseWhenIdle() {
    if (this.#recording || this.#writer) return;
    const saving = this.#saving;
    saving.then(() => {
      if (this.#saving !== saving) this.#releaseWhenIdle();
      else if (!this.#recording && !this.#writer) this.#lock.release();
    });
  }
}
