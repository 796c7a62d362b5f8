// Keyboard events of the page as the library's messages: key down and key up of
// Control and of letters and digits, and the typed character's Latin-1 byte.
// May not: touch the page or act on a key; it only translates.
import { KeyCode, Message } from './messages.js';

// Keys that type a control character, as a desktop window system gives them.
const typedControls = { Enter: 13, Backspace: 8, Tab: 9, Escape: 27 };

// Letters are their upper-case ASCII code, digits theirs, as on the desktop.
export function keyCodeOf(event) {
  if (event.key === 'Control') return KeyCode.Control;
  const m = /^(?:Key([A-Z])|Digit([0-9]))$/.exec(event.code || '');
  if (m) return (m[1] || m[2]).charCodeAt(0);
  return KeyCode.Other;
}

// The byte the key types, or null when it types nothing or a character outside
// Latin-1 (dropped, never truncated).
export function typedByte(event) {
  if (event.key in typedControls) return typedControls[event.key];
  if ([...event.key].length !== 1) return null;
  const c = event.key.codePointAt(0);
  return c <= 0xff ? c : null;
}

// The messages of one keydown: the key down, then the character it types.
export function keyDownMessages(event) {
  const messages = [{ kind: Message.KeyDown, keyCode: keyCodeOf(event) }];
  const c = typedByte(event);
  if (c !== null && event.key !== 'Control') messages.push({ kind: Message.Character, character: c });
  return messages;
}

export function keyUpMessages(event) {
  return [{ kind: Message.KeyUp, keyCode: keyCodeOf(event) }];
}

// True for the Ctrl shortcuts of the "Run" menu (letters: the menu's, as the program gave
// them), whose browser meaning (select all, history, find, address bar, reload, print,
// open) the page takes over.
export function isShortcut(event, letters) {
  if (!event.ctrlKey || event.altKey || event.metaKey) return false;
  const code = keyCodeOf(event);
  return code !== KeyCode.Other && letters.has(String.fromCharCode(code));
}
