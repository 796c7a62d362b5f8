// The library's script file in the program's file system, bound to the script store:
// the library tells of every change it makes to DROVA.SCR (opened, a line written,
// closed) and the page stores the whole file at once, counts a save that fails for the
// library to report, and puts a script another tab stored in place of the copy the
// library reads.
// May not: write the store for a tab that does not hold the writer's lock, write what
// the library did not write (but for an upload), or report failures itself.
import { keepInJournal, recoverScript } from './script_journal.js';
import { describeError, openScriptStore, ScriptName, StorageName } from './script_store.js';

// A script of 16 MiB already holds years of ticks; a larger file is no script.
export const MaxScriptBytes = 16 * 1024 * 1024;

// Why an upload of size bytes is refused before it is read, or null.
export function uploadRefusal(size, recording) {
  if (size > MaxScriptBytes) {
    return (
      `${ScriptName} is not uploaded: the file has ${size} bytes, more than the ` +
      `16 MiB (${MaxScriptBytes} bytes) a script may have.`
    );
  }
  if (recording) {
    const stop = 'stop recording with Ctrl+R first';
    return `${ScriptName} is not uploaded while this page records it: ${stop}.`;
  }
  return null;
}

export class ScriptFile {
  #fs = null;
  #path = '';
  #store = null;
  #lock;
  #status; // the storage status line
  #onFailure; // called once per failed save
  #channel = null; // tells the page's other tabs of a new stored script
  #writing = false; // the library has the file open to write
  #recording = false;
  #uploading = false;
  #saveQueued = false;
  #saving = Promise.resolve();
  #failed = false;
  #held = false; // the copy is a shared run's script, for this visit only
  #lastSave = null; // { bytes, savedAt } of this tab's newest save
  #recovered = null; // the script to start from, once the store has given it

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

  // One writer at a time: false while another tab holds the writer's lock or an upload
  // is being stored.
  get mayWrite() {
    return !this.#uploading && this.#lock.state !== 'refused';
  }

  // Opens the store and reads the script to start from, at once: the program loads
  // meanwhile, and its first frame need not wait for the browser's storage.
  prepare(openStore = openScriptStore) {
    this.#recovered ??= this.#recover(openStore);
    return this.#recovered;
  }

  async #recover(openStore) {
    const { store, problem } = await openStore();
    this.#store = store;
    if (problem) {
      this.#status.stand(
        `${ScriptName} is kept in this page only and is lost when it closes: ${problem}.`,
      );
    }
    try {
      return await recoverScript(store, (error) => this.#fail(error));
    } catch (error) {
      this.#say(`The stored ${ScriptName} could not be read (${describeError(error)}).`);
      return null;
    }
  }

  // Puts the stored script in place at folder/DROVA.SCR (the folder is the program's).
  async mount(fs, folder, openStore = openScriptStore) {
    const bytes = await this.prepare(openStore);
    this.#fs = fs;
    this.#path = `${folder}/${ScriptName}`;
    this.#replaceCopy(bytes);
    if (this.#store.durable && typeof BroadcastChannel === 'function') {
      this.#channel = new BroadcastChannel(StorageName);
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

  // The page is hidden or goes away: the script this tab saved last also goes into
  // the journal, in case the save issued now is cut off with the page.
  journal() {
    if (this.#lastSave && this.#store.durable) keepInJournal(this.#lastSave);
  }

  // The library opened the file to write (it is empty now), wrote a whole line to it,
  // or closed it: what it wrote within one turn of the page is stored as one record.
  opened() {
    if (this.#lock.state === 'free') this.#lock.request();
    this.#writing = true;
    this.#held = false;
    this.#saveSoon();
  }

  written() {
    this.#saveSoon();
  }

  closed() {
    this.#writing = false;
    this.flush();
    this.#releaseWhenIdle();
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
    if (!this.#store?.durable || this.#writing || this.#uploading || this.#failed || this.#held) {
      return;
    }
    try {
      const stored = await this.#store.load();
      if (!this.#writing && !this.#uploading && !this.#failed) this.#replaceCopy(stored?.bytes);
    } catch {
      // the next change or visit tries again
    }
  }

  // Stores an uploaded script, then makes it the library's: {} once stored, or
  // { refusal } with the sentence that says why it was not.
  async upload(bytes) {
    const refusal = uploadRefusal(bytes.length, this.#recording || this.#writing);
    if (refusal) return { refusal };
    if (!(await this.#lock.request())) {
      this.#lock.release();
      return { refusal: `${ScriptName} is not uploaded while another tab of this page records it.` };
    }
    this.#uploading = true;
    try {
      await this.#saving;
      await this.#store.save(bytes);
      this.#held = false;
      this.#replaceCopy(bytes);
      this.#channel?.postMessage('stored');
      return {};
    } catch (error) {
      return { refusal: `${ScriptName} is not uploaded: it could not be stored (${describeError(error)}).` };
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
    if (bytes) fs.writeFile(this.#path, bytes);
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
    if (this.#recording || this.#writing) return;
    const saving = this.#saving;
    saving.then(() => {
      if (this.#saving !== saving) this.#releaseWhenIdle();
      else if (!this.#recording && !this.#writing) this.#lock.release();
    });
  }
}
