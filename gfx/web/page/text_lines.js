// The "DROVA Text" panel's lines: the last 25 lines the library wrote, newest last,
// each without its last line end. For tests and measurements the page also keeps a
// count and a running digest of every line written since start.
// May not: touch the page; the panel module shows the lines.
export const PanelLines = 25;

// Bytes of a Latin-1 text as a string.
export function latin1(bytes) {
  let s = '';
  for (let i = 0; i < bytes.length; i += 4096) {
    s += String.fromCharCode.apply(null, bytes.subarray(i, i + 4096));
  }
  return s;
}

// A string as Latin-1 bytes; characters outside Latin-1 are dropped.
export function toLatin1(text) {
  const out = [];
  for (const ch of text) {
    const c = ch.codePointAt(0);
    if (c <= 0xff) out.push(c);
  }
  return Uint8Array.from(out);
}

export class TextLines {
  #lines = [];
  count = 0;
  digest = 0x811c9dc5; // FNV-1a over every byte of every line, lines ended by 0

  // bytes: one line as the library formatted it; returns it as shown.
  add(bytes) {
    let h = this.digest;
    for (let i = 0; i < bytes.length; ++i) h = Math.imul(h ^ bytes[i], 0x01000193) >>> 0;
    this.digest = Math.imul(h, 0x01000193) >>> 0;
    ++this.count;
    let text = latin1(bytes);
    if (text.endsWith('\n')) text = text.slice(0, -1); // only the last line end
    this.#lines.push(text);
    if (this.#lines.length > PanelLines) this.#lines.shift();
    return text;
  }

  lines() {
    return [...this.#lines];
  }
}
