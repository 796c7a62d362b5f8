// The "DROVA Text" panel: the lines of the library's history, the newest at the bottom.
// May not: show a line the library did not write, or keep lines of its own; it draws at
// most once per wait or image, never once per line.
import { TextLines, shownLine } from './text_lines.js';

export class TextPanel {
  #text = new TextLines();
  #lines = []; // the history the library handed over last
  #incoming = [];
  #capacity = 0;
  #linesElement;
  #windowElement;
  #dirty = false;
  onLine = null; // when set, called with every line the panel is given

  constructor(linesElement, windowElement) {
    this.#linesElement = linesElement;
    this.#windowElement = windowElement;
  }

  // bytes: one line as the library formatted it (Latin-1); counted and digested.
  add(bytes) {
    const line = this.#text.add(bytes);
    this.onLine?.(line);
  }

  // The library's history, one line at a time oldest first, then its capacity.
  takeLine(bytes) {
    this.#incoming.push(shownLine(bytes));
  }
  linesTaken(capacity) {
    this.#lines = this.#incoming;
    this.#incoming = [];
    this.#capacity = capacity;
    this.#dirty = true;
  }

  flush() {
    if (!this.#dirty) return;
    this.#dirty = false;
    const lines = this.#lines;
    const padding = '\n'.repeat(Math.max(0, this.#capacity - lines.length));
    this.#linesElement.textContent = padding + lines.join('\n');
  }

  show() {
    this.#windowElement.hidden = false;
  }

  lines() {
    return [...this.#lines];
  }

  get count() {
    return this.#text.count;
  }

  get digest() {
    return this.#text.digest;
  }
}
