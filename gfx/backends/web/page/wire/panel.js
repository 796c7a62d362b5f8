// The "DROVA Text" panel: the newest lines the library wrote, at most as many as its
// history holds, the newest at the bottom, one element each in a log region. Lines are
// appended as they come and the oldest taken away, so a screen reader says the new
// lines, not the panel again.
// May not: show a line the library did not write; it draws at most once per wait or
// image, never once per line.
import { TextLines } from './text_lines.js';

export class TextPanel {
  #text = new TextLines();
  #capacity = Infinity; // the library's history, which the program gives at its start
  #lines = []; // the newest lines, at most #capacity
  #added = 0; // lines added since the last flush
  #block; // the lines, one element each, in the log region
  onLine = null; // when set, called with every line the panel is given

  constructor(linesElement) {
    this.#block = linesElement.appendChild(linesElement.ownerDocument.createElement('div'));
  }

  keep(capacity) {
    this.#capacity = capacity;
  }

  // bytes: one line as the library formatted it (Latin-1); counted and digested.
  add(bytes) {
    const line = this.#text.add(bytes);
    this.#lines.push(line);
    if (this.#lines.length > this.#capacity) this.#lines.shift();
    ++this.#added;
    this.onLine?.(line);
  }

  flush() {
    if (!this.#added) return;
    const fresh = this.#lines.slice(-this.#added);
    this.#added = 0;
    for (const line of fresh) {
      const div = this.#block.ownerDocument.createElement('div');
      div.textContent = line;
      this.#block.append(div);
    }
    while (this.#block.children.length > this.#lines.length) this.#block.children[0].remove();
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
