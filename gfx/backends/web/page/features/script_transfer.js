// "Download DROVA.SCR" and "Upload DROVA.SCR": the script between the disk and the
// page, and the storage status line beside them: the last thing the page has to say
// about DROVA.SCR, and once, for a whole visit, that scripts will not outlive the page
// when the browser gives no lasting storage.
// May not: change the stored script unless an upload is accepted and stored whole;
// read more of a file than the bound allows; hide the note that scripts are kept in
// this page only behind a later line.
import { latin1 } from '../wire/text_lines.js';
import { uploadRefusal } from './script_file.js';
import { describeError, ScriptName } from './script_store.js';

// The file's first non-empty line when it is no script line, or null.
export function strangeFirstLine(bytes) {
  const head = latin1(bytes.subarray(0, 600));
  const line = head.split('\n').find((l) => l.trim() !== '');
  if (line === undefined || /^DROVA_[KMP]/.test(line)) return null;
  return line.length > 40 ? `${line.slice(0, 40)}...` : line.replace(/\r$/, '');
}

export class ScriptTransfer {
  #scriptFile;
  #say;

  constructor(scriptFile, say) {
    this.#scriptFile = scriptFile;
    this.#say = say;
  }

  async download() {
    const bytes = await this.#scriptFile.newest();
    if (!bytes) {
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
    // Refused before a byte is read.
    const early = uploadRefusal(file.size, this.#scriptFile.recording);
    if (early) {
      this.#say(early);
      return;
    }
    this.#say(`Storing ${ScriptName}...`);
    let bytes;
    let refusal;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
      ({ refusal } = await this.#scriptFile.upload(bytes));
    } catch (error) {
      refusal = `${ScriptName} is not uploaded: it could not be read (${describeError(error)}).`;
    }
    if (refusal) {
      this.#say(refusal);
      return;
    }
    const strange = strangeFirstLine(bytes);
    const note = strange === null ? '' : ` Its first line "${strange}" is no script line.`;
    this.#say(`${ScriptName} uploaded (${bytes.length} bytes): play it with Ctrl+P.${note}`);
  }
}

export class StorageStatus {
  #element;
  #standing = '';

  constructor(element) {
    this.#element = element;
  }

  // A note that holds for the whole visit.
  stand(text) {
    this.#standing = text;
    this.#element.textContent = text;
  }

  say(text) {
    this.#element.textContent = this.#standing ? `${this.#standing} ${text}` : text;
  }
}
