// The page of the web edition: it gives the program (the emscripten module, which
// start.js loads beside it) its window system. This module only makes the parts and
// wires them, then lets the program run; DOM handlers and the tick timer only queue
// events, the program takes them while it runs and waits on the queue while it is
// suspended.
// The page has two sides: wire/ translates between the program and the browser (the
// bridge the program calls, its events, canvas, menu, text panel and dialogs), and any
// program gets the same; features/ holds what the page adds of its own around the
// script file (storage, download and upload, shared runs, one writer among tabs), which
// the bridge reaches only through the object openFeatures gives.
// May not: hold logic of its own beyond wiring the modules to the page's elements.
import { openFeatures } from './features/features.js';
import { Bridge } from './wire/bridge.js';
import { Canvas } from './wire/canvas.js';
import { InputDialog } from './wire/dialog.js';
import { Ending } from './wire/ending.js';
import { EventQueue, TickTimer } from './wire/event_queue.js';
import { routeInput } from './wire/input.js';
import { Message } from './wire/messages.js';
import { RunMenu } from './wire/menu.js';
import { TextPanel } from './wire/panel.js';
import { pageReady } from './wire/program_loader.js';
import { exposeTestHooks } from './wire/test_hooks.js';

const $ = (id) => document.getElementById(id);

const queue = new EventQueue();
const timer = new TickTimer(queue);
const canvas = new Canvas($('canvas'));
const panel = new TextPanel($('text-lines'));
const menu = new RunMenu($('run-button'), $('run-menu'), {
  onChoose: (id) => queue.push({ kind: Message.Command, commandId: id }),
  onClose: () => canvas.focus(),
});
const features = await openFeatures(
  {
    download: $('download'),
    upload: $('upload'),
    uploadFile: $('upload-file'),
    share: $('share'),
    seed: $('seed'),
    status: $('storage-status'),
  },
  { onSaveFailure: () => bridge.saveFailed() },
);
const dialog = new InputDialog($('gets'));
const ending = new Ending($('ended'));
const titles = { graphics: $('graphics-title'), text: $('text-title'), dialog: $('gets-caption') };
const bridge = new Bridge({ queue, timer, canvas, panel, menu, dialog, ending, features, titles });
window.gfxPage = bridge;
features.prepare();

routeInput({ queue, canvas, menu, dialog, ending });
// The recording is stored whole before the page can go away; a page shown again
// reads what other tabs stored meanwhile.
window.addEventListener('pagehide', () => bridge.saveRecording());
document.addEventListener('visibilitychange', () => {
  if (document.visibilityState === 'hidden') bridge.saveRecording();
  else features.refresh();
});
canvas.fit();

exposeTestHooks({ canvas, timer, panel, menu, bridge, ending });
pageReady();
// The service worker keeps the site's files for an offline start, registered once the
// page has loaded, not before; the load may well be over by now (this module awaited
// the share link and the wiring). Without one (an http:// address other than
// localhost, or a browser that refuses it) the page runs as before, only not offline.
// A page within a larger site names that site's worker (<html data-worker="../sw.js">),
// which keeps the whole site, this page among it.
const keepOffline = () =>
  navigator.serviceWorker
    ?.register(document.documentElement.dataset.worker ?? 'sw.js')
    .catch((error) => console.warn(`The page will not start offline: ${error.message}`));
if (document.readyState === 'complete') keepOffline();
else addEventListener('load', keepOffline, { once: true });
