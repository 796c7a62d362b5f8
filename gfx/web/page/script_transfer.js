// "Download DROVA.SCR" and "Upload DROVA.SCR": the script between the disk and the
// page, with a status line that says what happened.
// May not: change the stored script unless an upload is accepted and stored whole;
// it never reads more of a file than the bound allows.
import { latin1 } from './text_lines.js';
import { describeError, ScriptName } from './script_store.js';

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
    const refusal = uploadRefusal(file.size, this.#scriptFile.recording);
    if (refusal) {
      this.#say(refusal);
      return;
    }
    this.#say(`Storing ${ScriptName}...`);
    let outcome;
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
      outcome = await this.#scriptFile.upload(bytes);
    } catch (error) {
      this.#say(`${ScriptName} is not uploaded: it could not be stored (${describeError(error)}).`);
      return;
    }
    if (outcome === 'busy') {
      this.#say(`${ScriptName} is not uploaded while another tab of this page records it.`);
    } else if (outcome === 'recording') {
      this.#say(uploadRefusal(0, true));
    } else {
      const strange = strangeFirstLine(bytes);
      const note = strange === null ? '' : ` Its first line "${strange}" is no script line.`;
      this.#say(`${ScriptName} uploaded (${bytes.length} bytes): play it with Ctrl+P.${note}`);
    }
  }
}
