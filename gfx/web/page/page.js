// The page of the web edition: it gives the program (the emscripten module, which
// start.js loads beside it) its window system. This module only makes the parts and
// wires them, then lets the program run; DOM
// handlers and the tick timer only queue events, the program takes them while it
// runs and waits on the queue while it is suspended.
// May not: hold logic of its own beyond wiring the modules to the page's elements.
import { Bridge } from './bridge.js';
import { Canvas } from './canvas.js';
import { InputDialog } from './dialog.js';
import { Ending } from './ending.js';
import { EventQueue, TickTimer } from './event_queue.js';
import { routeInput } from './input.js';
import { Message } from './messages.js';
import { RunMenu } from './menu.js';
import { TextPanel } from './panel.js';
import { pageReady } from './program_loader.js';
import { RecorderLock } from './recorder_lock.js';
import { RunShare } from './run_share.js';
import { ScriptFile } from './script_file.js';
import { ScriptName } from './script_store.js';
import { ScriptTransfer, StorageStatus } from './script_transfer.js';
import { runFromFragment } from './share_link.js';
import { exposeTestHooks } from './test_hooks.js';

const $ = (id) => document.getElementById(id);

const queue = new EventQueue();
const timer = new TickTimer(queue);
const canvas = new Canvas($('canvas'));
const panel = new TextPanel($('text-lines'));
const menu = new RunMenu($('run-button'), $('run-menu'), {
  onChoose: (id) => queue.push({ kind: Message.Command, commandId: id }),
  onClose: () => canvas.focus(),
});
const status = new StorageStatus($('storage-status'));
const scriptFile = new ScriptFile({
  lock: new RecorderLock(),
  status,
  onFailure: () => bridge.saveFailed(),
});
const transfer = new ScriptTransfer(scriptFile, (text) => status.say(text));
const runShare = new RunShare({
  button: $('share'),
  seedElement: $('seed'),
  say: (text) => status.say(text),
  scriptFile,
});
// A link to a shared run: read before the program starts, which takes its seed.
let sharedRun = await runFromFragment(location.hash);
if (sharedRun?.refusal) {
  status.say(`${sharedRun.refusal} The town runs as without it; nothing was stored.`);
  sharedRun = null;
} else if (sharedRun) {
  status.say(
    `Playing a shared run from seed ${sharedRun.seed}. Your stored ${ScriptName} stays as it was until you record or upload.`,
  );
}
const dialog = new InputDialog($('gets'));
const ending = new Ending($('ended'));
const bridge = new Bridge({
  queue,
  timer,
  canvas,
  panel,
  menu,
  scriptFile,
  dialog,
  ending,
  sharedRun,
  runShare,
});
window.townPage = bridge;
// The stored script is read while the program loads.
scriptFile.prepare();

routeInput({ queue, canvas, menu, dialog, ending });
$('download').addEventListener('click', () => transfer.download());
$('upload').addEventListener('click', () => $('upload-file').click());
$('upload-file').addEventListener('change', async (event) => {
  const [file] = event.target.files;
  event.target.value = '';
  if (file) await transfer.upload(file);
});
// The recording is stored whole before the page can go away; a page shown again
// reads what other tabs stored meanwhile.
window.addEventListener('pagehide', () => bridge.saveRecording());
document.addEventListener('visibilitychange', () => {
  if (document.visibilityState === 'hidden') bridge.saveRecording();
  else scriptFile.refresh();
});
canvas.fit();

exposeTestHooks({ canvas, timer, panel, menu, bridge, ending });
pageReady();
// The service worker keeps the site's files for an offline start, registered once the
// page has loaded, not before; the load may well be over by now (this module awaited
// the share link and the wiring). Without one (an http:// address other than
// localhost, or a browser that refuses it) the page runs as before, only not offline.
const keepOffline = () =>
  navigator.serviceWorker
    ?.register('sw.js')
    .catch((error) => console.warn(`The page will not start offline: ${error.message}`));
if (document.readyState === 'complete') keepOffline();
else addEventListener('load', keepOffline, { once: true });
