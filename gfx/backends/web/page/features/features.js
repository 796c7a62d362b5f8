// The page's own features, all about the library's script file DROVA.SCR: the file kept
// in the browser's storage between visits (script_file.js), its download and upload, a
// run shared as a link, and one writer among the page's tabs. They live apart from the
// wire (../wire/), which only translates between the program and the browser: the
// bridge reaches them through the one object openFeatures gives, and they use nothing
// of the wire but latin1 (text_lines.js).
// May not: call into the program or queue its events; the bridge calls these.
import { RecorderLock } from './recorder_lock.js';
import { RunShare } from './run_share.js';
import { ScriptFile } from './script_file.js';
import { ScriptName } from './script_store.js';
import { ScriptTransfer, StorageStatus } from './script_transfer.js';
import { runFromFragment } from './share_link.js';

// elements: the tool bar's { download, upload, uploadFile, share, seed, status };
// onSaveFailure is told of every save of the script file that failed. The link the page
// was opened with is read before the program starts, which takes its seed.
export async function openFeatures(elements, { onSaveFailure }) {
  const status = new StorageStatus(elements.status);
  const say = (text) => status.say(text);
  const scriptFile = new ScriptFile({ lock: new RecorderLock(), status, onFailure: onSaveFailure });
  const transfer = new ScriptTransfer(scriptFile, say);
  const runShare = new RunShare({ button: elements.share, seedElement: elements.seed, say, scriptFile });
  elements.download.addEventListener('click', () => transfer.download());
  elements.upload.addEventListener('click', () => elements.uploadFile.click());
  elements.uploadFile.addEventListener('change', async (event) => {
    const [file] = event.target.files;
    event.target.value = '';
    if (file) await transfer.upload(file);
  });

  let sharedRun = await runFromFragment(location.hash);
  if (sharedRun?.refusal) {
    say(`${sharedRun.refusal} The program runs as without it; nothing was stored.`);
    sharedRun = null;
  } else if (sharedRun) {
    say(`Playing a shared run from seed ${sharedRun.seed}. Your stored ${ScriptName} stays as it was until you record or upload.`);
  }
  return new Features(scriptFile, runShare, sharedRun);
}

// What the bridge asks of the features, named for the program's requests.
class Features {
  #scriptFile;
  #runShare;
  #sharedRun; // { seed, script } of the link the page was opened with, or null

  constructor(scriptFile, runShare, sharedRun) {
    this.#scriptFile = scriptFile;
    this.#runShare = runShare;
    this.#sharedRun = sharedRun;
  }

  // The stored script is read while the program loads.
  prepare() {
    this.#scriptFile.prepare();
  }

  // A shared run plays from the first wait on, as town-replay plays a script.
  get playsSharedRun() {
    return this.#sharedRun !== null;
  }

  // The seed the program takes: a shared run's, else the one given; shown in the tool bar.
  seed(otherwise) {
    return this.#runShare.started(this.#sharedRun?.seed ?? otherwise);
  }

  // The program has opened its window; the seed it would take now, as seed() gives it.
  opened(otherwise) {
    this.#runShare.opened(this.#sharedRun?.seed ?? otherwise);
  }

  // Puts the stored script (or the shared run's) at folder/DROVA.SCR in the program's
  // file system fs; resolves once it is there.
  async mount(fs, folder) {
    await this.#scriptFile.mount(fs, folder);
    if (this.#sharedRun) this.#scriptFile.hold(this.#sharedRun.script);
  }

  // False while another tab writes the script file.
  get mayWriteScript() {
    return this.#scriptFile.mayWrite;
  }

  // The library opened ('opened'), wrote a line to ('written') or closed ('closed') it.
  scriptChanged(change) {
    if (['opened', 'written', 'closed'].includes(change)) this.#scriptFile[change]();
  }

  recordingChanged(on) {
    this.#scriptFile.recordingChanged(on);
  }

  // What was written is stored now: the program ended or the page goes away; keep also
  // puts it into the journal, in case the save is cut off with the page.
  flush() {
    this.#scriptFile.flush();
  }

  keep() {
    this.#scriptFile.flush();
    this.#scriptFile.journal();
  }

  // The page is shown again: what other tabs stored meanwhile is read.
  refresh() {
    this.#scriptFile.refresh();
  }
}
