// The "DROVA Text" panel: the lines of the library's history, the newest at the bottom,
// one element each in a log region: lines that came are appended and the oldest taken
// away, so a screen reader says the new lines, not the panel again.
// May not: show a line the library did not write, or keep lines of its own; it draws at
// most once per wait or image, never once per line.
import { TextLines, shownLine } from './text_lines.js';

export class TextPanel {
  #text = new TextLines();
  #lines = []; // the history the library handed over last
  #incoming = [];
  #block; // the lines, one element each, in the log region
  #windowElement;
  #dirty = false;
  onLine = null; // when set, called with every line the panel is given

  constructor(linesElement, windowElement) {
    this.#block = linesElement.appendChild(linesElement.ownerDocument.createElement('div'));
    this.#windowElement = windowElement;
  }

  // bytes: one line as the library formatted it (Latin-1); counted and digested.
  add(bytes) {
    const line = this.#text.add(bytes);
    this.onLine?.(line);
  }

  // The library's history, one line at a time oldest first, then its capacity (the
  // panel shows what it is given; the log region scrolls).
  takeLine(bytes) {
    this.#incoming.push(shownLine(bytes));
  }
  linesTaken() {
    this.#lines = this.#incoming;
    this.#incoming = [];
    this.#dirty = true;
  }

  flush() {
    if (!this.#dirty) return;
    this.#dirty = false;
    const lines = this.#lines;
    const shown = [...this.#block.children];
    // The longest run of shown lines, at their end, that the history now begins with.
    let first = 0;
    while (
      first < shown.length &&
      !(shown.length - first <= lines.length &&
        shown.slice(first).every((e, i) => e.textContent === lines[i]))
    ) {
      ++first;
    }
    for (const e of shown.slice(0, first)) e.remove();
    for (const line of lines.slice(shown.length - first)) {
      const div = this.#block.ownerDocument.createElement('div');
      div.textContent = line;
      this.#block.append(div);
    }
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
