// The user's mouse and keys as the library's messages in the event queue; the menu and
// an open dialog take their keys first.
// May not: call into the program or act on a key itself; it only queues, and only once
// the program has opened its window and given the page its numbers.
import { isShortcut, keyDownMessages, keyUpMessages } from './keys.js';
import { KeyCode, Message, wireDefined } from './messages.js';

export function routeInput({ queue, canvas, menu, dialog, ending }) {
  canvas.element.addEventListener('mousedown', (event) => {
    if (event.button !== 0 || ending.ended || !wireDefined()) return;
    menu.close();
    canvas.focus();
    event.preventDefault();
    const [x, y] = canvas.pixelOf(event);
    queue.push({ kind: Message.LeftClick, x, y });
  });

  document.addEventListener('keydown', (event) => {
    if (dialog.isOpen || ending.ended || !wireDefined()) return;
    if (menu.keyDown(event)) return;
    if (isShortcut(event, menu.shortcutLetters)) event.preventDefault();
    for (const m of keyDownMessages(event)) queue.push(m);
  });

  document.addEventListener('keyup', (event) => {
    if (dialog.isOpen || ending.ended || !wireDefined()) return;
    for (const m of keyUpMessages(event)) queue.push(m);
  });

  // A Ctrl released while another window has the focus is never seen.
  window.addEventListener('blur', () => {
    if (wireDefined()) queue.push({ kind: Message.KeyUp, keyCode: KeyCode.Control });
  });
}
