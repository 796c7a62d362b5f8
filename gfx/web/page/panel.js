// The "DROVA Text" panel: the lines the library writes, the newest at the bottom, one
// element each in a log region, so a screen reader says the lines that came, not the
// panel again.
// May not: show a line the library did not write; it draws at most once per wait or
// image, never once per line.
import { PanelLines, TextLines } from './text_lines.js';

export class TextPanel {
  #text = new TextLines();
  #block; // the lines, one element each, in the log region
  #windowElement;
  #dirty = false;
  #shown = 0; // the count of lines when the panel was last drawn
  onLine = null; // when set, called with every line the panel is given

  constructor(linesElement, windowElement) {
    this.#block = linesElement.appendChild(document.createElement('div'));
    this.#windowElement = windowElement;
  }

  // bytes: one line as the library formatted it (Latin-1).
  add(bytes) {
    const line = this.#text.add(bytes);
    this.onLine?.(line);
    this.#dirty = true;
  }

  flush() {
    if (!this.#dirty) return;
    this.#dirty = false;
    const lines = this.#text.lines();
    const added = Math.min(this.#text.count - this.#shown, lines.length);
    this.#shown = this.#text.count;
    const box = this.#block;
    for (const line of lines.slice(lines.length - added)) {
      const div = document.createElement('div');
      div.textContent = line;
      box.append(div);
    }
    while (box.childElementCount > PanelLines) box.firstElementChild.remove();
  }

  show() {
    this.#windowElement.hidden = false;
  }

  lines() {
    return this.#text.lines();
  }

  get count() {
    return this.#text.count;
  }

  get digest() {
    return this.#text.digest;
  }
}
