// The lines the library writes as the "DROVA Text" panel shows them: each without its
// last line end. For tests and measurements the page also keeps a count and a running
// digest of every line written since start; which lines the panel holds, the library
// says (its history).
// May not: touch the page, or keep lines; the panel module shows them.

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

// A line as the library formatted it (bytes, Latin-1) as the panel shows it.
export function shownLine(bytes) {
  const text = latin1(bytes);
  return text.endsWith('\n') ? text.slice(0, -1) : text; // only the last line end
}

export class TextLines {
  count = 0;
  digest = 0x811c9dc5; // FNV-1a over every byte of every line, lines ended by 0

  // bytes: one line as the library formatted it; returns it as shown.
  add(bytes) {
    let h = this.digest;
    for (let i = 0; i < bytes.length; ++i) h = Math.imul(h ^ bytes[i], 0x01000193) >>> 0;
    this.digest = Math.imul(h, 0x01000193) >>> 0;
    ++this.count;
    return shownLine(bytes);
  }
}
