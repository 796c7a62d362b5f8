// What the program calls (through gfx/backends/web/page_bridge.cpp), published as the global
// gfxPage, and the one call the page makes into the program (saveRecording): each
// request is handed to the module of its concern, the script file's to the page's
// features (../features/features.js), which the bridge knows only as the object given.
// May not: call into the program while it runs; the page's handlers only queue, and
// saveRecording is made only while the program is suspended.
import { MenuId, Message, defineWire } from './messages.js';
import { testBusy, testMenuCommands, testSeed } from './test_hooks.js';

// How long the program may run before the browser gets its turn: a tenth of the 50 ms
// of a long task, with room for the frame being drawn when it is over and for the
// system stopping the browser mid-task on a busy machine. Shorter slices cost no
// playback speed that can be measured.
const SliceMs = 5;

// A task of its own for the program's next slice: input and painting, which the
// browser ranks above it, come first. (A continuation of scheduler.yield() would be
// ranked above input, and keys would wait for the end of the script.)
const nextTask = (() => {
  const channel = new MessageChannel();
  const waiting = [];
  channel.port1.onmessage = () => waiting.shift()?.();
  return () =>
    new Promise((resolve) => {
      waiting.push(resolve);
      channel.port2.postMessage(null);
    });
})();

// The seed a program is given when it asks the calendar time: ?seed=N's, else the time.
const seedNow = () => testSeed() ?? Math.floor(Date.now() / 1000);

export class Bridge {
  waits = 0; // how often the program was suspended
  #saveFailures = 0;
  #resumedAt = 0;
  #running = false; // the program is loaded and has not ended

  // features: the page's own features (openFeatures), which keep the script file.
  // titles: the captions of the graphics panel, the text panel and the dialog.
  constructor({ queue, timer, canvas, panel, menu, dialog, ending, features, titles }) {
    // The stored script is put in place while the program opens its window and shows
    // its first frame; it takes no event before then.
    let mounted = null;
    this.mountStorage = (folder, fs) => {
      mounted = features.mount(fs, folder);
    };
    this.storageMounted = async () => {
      await mounted;
      this.#resumed();
    };
    this.defineWire = (wire) => defineWire(wire);
    this.addMenuItem = (title, item) => menu.addItem(title, item);
    this.open = (historyCapacity, tickMs) => {
      this.#running = true;
      panel.keep(historyCapacity);
      timer.periodMs = tickMs;
      const command = (id) => queue.push({ kind: Message.Command, commandId: id });
      testMenuCommands().forEach(command);
      // A shared run plays from the first wait on, as town-replay plays a script.
      if (features.playsSharedRun) command(MenuId.PlaybackScript);
      timer.run(true);
      canvas.focus();
      features.opened(seedNow());
    };
    this.takeEvent = () => queue.take();
    this.waitForEvent = async (wakeOnTimer) => {
      ++this.waits;
      timer.run(wakeOnTimer);
      panel.flush();
      canvas.showNewest();
      await queue.wait(wakeOnTimer);
      this.#resumed();
    };
    this.sliceOver = testBusy() ? () => true : () => performance.now() - this.#resumedAt > SliceMs;
    this.yieldToBrowser = async () => {
      panel.flush();
      await nextTask();
      this.#resumed();
    };
    this.takeSaveFailures = () => {
      const n = this.#saveFailures;
      this.#saveFailures = 0;
      return n;
    };
    this.present = (bytes, width, height) => {
      canvas.present(bytes, width, height);
      panel.flush();
    };
    this.setMenuCheck = (id, checked) => {
      menu.setCheck(id, checked);
      if (id === MenuId.RecordScript) features.recordingChanged(checked);
    };
    this.appendText = (bytes) => panel.add(bytes);
    // The program's name heads the panels and the dialog, as its windows on the desktop.
    this.setTitles = (named) => {
      for (const part of ['graphics', 'text', 'dialog']) titles[part].textContent = named[part];
    };
    this.mayWriteScript = () => features.mayWriteScript;
    this.scriptChanged = (change) => features.scriptChanged(change);
    this.runDialog = async (promptBytes) => {
      const reply = await dialog.run(promptBytes);
      this.#resumed();
      return reply;
    };
    this.calendarTime = () => features.seed(seedNow());
    // The end, with its status; or a stop on an error (an abort, a failed assertion,
    // no memory), which the page shows as plainly, keeping what was stored.
    const end = (shown) => {
      this.#running = false;
      canvas.showNewest();
      if (!shown) return;
      timer.run(false);
      menu.disable();
      panel.flush();
      features.flush();
    };
    this.programEnded = (status) => end(ending.show(status));
    this.programStopped = (what) => end(ending.showStopped(what));
    // A failed save: the program reports it at its next pass, waiting or not.
    this.saveFailed = () => {
      ++this.#saveFailures;
      queue.wake();
    };
    // The page is hidden or goes away: the library writes the periodic run it is
    // counting, and what it wrote is stored at once.
    this.saveRecording = () => {
      // A tab refused the script has nothing to keep: the write would only be refused
      // again, one message more than the desktop gives for the same recording.
      if (this.#running && features.mayWriteScript) window.Module?._gfx_save_recording?.();
      features.keep();
    };
  }

  #resumed() {
    this.#resumedAt = performance.now();
  }
}
