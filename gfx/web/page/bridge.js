// What the program calls (through gfx/web/page_bridge.cpp), published as the global
// townPage: each call is handed to the module of its concern.
// May not: call into the program, or keep state of its own beyond the count of waits.
import { Message } from './messages.js';
import { testMenuCommands, testSeed } from './test_hooks.js';

export class Bridge {
  waits = 0; // how often the program was suspended

  constructor({ queue, timer, canvas, panel, menu, store, dialog, ending }) {
    this.mountStorage = (folder, fs, idbfs) => store.mount(folder, fs, idbfs);
    this.addMenuItem = (...item) => menu.addItem(...item);
    this.open = () => {
      for (const id of testMenuCommands()) queue.push(Message.Command, id);
      timer.run(true);
      canvas.focus();
    };
    this.takeEvent = () => queue.take();
    this.waitForEvent = (wakeOnTimer) => {
      ++this.waits;
      timer.run(wakeOnTimer);
      panel.flush();
      store.save();
      return queue.wait(wakeOnTimer);
    };
    this.present = (bytes, width, height) => {
      canvas.present(bytes, width, height);
      panel.flush();
    };
    this.setMenuCheck = (id, checked) => menu.setCheck(id, checked);
    this.appendText = (bytes) => panel.add(bytes);
    this.showTextPanel = () => panel.show();
    this.runDialog = (promptBytes) => dialog.run(promptBytes);
    this.calendarTime = () => testSeed() ?? Math.floor(Date.now() / 1000);
    this.programEnded = (status) => {
      if (!ending.show(status)) return;
      timer.run(false);
      panel.flush();
      store.save(true);
    };
  }
}
