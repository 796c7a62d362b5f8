// The "DROVA Text" panel: the lines the library writes, the newest at the bottom.
// May not: show a line the library did not write; it draws at most once per wait or
// image, never once per line.
import { PanelLines, TextLines } from './text_lines.js';

export class TextPanel {
  #text = new TextLines();
  #linesElement;
  #windowElement;
  #dirty = false;
  onLine = null; // when set, called with every line the panel is given

  constructor(linesElement, windowElement) {
    this.#linesElement = linesElement;
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
    this.#linesElement.textContent = '\n'.repeat(PanelLines - lines.length) + lines.join('\n');
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
