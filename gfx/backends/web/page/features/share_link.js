// A run as a link: the seed it started with and its script, compressed into the
// link's fragment (after the #, which the browser never sends to a server):
//   index.html#seed=1733750400&script=<deflate, then base64url>
// A link is input from anyone: every part is checked, and decompression stops at the
// bound, so a link can neither hold nor unfold more than a script may have here.
// May not: store or play anything; it only turns runs into links and links into runs.
import { ScriptName } from './script_store.js';

export const MaxSharedScriptBytes = 1024 * 1024; // the script, decompressed
export const MaxLinkScriptChars = 64 * 1024; // its compressed form, as link text
const MaxSeed = 0xffffffff; // the generator takes the seed as 32 bits

async function collect(stream, limit) {
  const reader = stream.getReader();
  const parts = [];
  let size = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    if (size > limit) {
      await reader.cancel();
      return null;
    }
    parts.push(value);
  }
  const bytes = new Uint8Array(size);
  let at = 0;
  for (const p of parts) {
    bytes.set(p, at);
    at += p.length;
  }
  return bytes;
}

function transform(bytes, stream) {
  return new Blob([bytes]).stream().pipeThrough(stream);
}

function toBase64Url(bytes) {
  let s = '';
  for (let i = 0; i < bytes.length; i += 0x8000) {
    s += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
  }
  return btoa(s).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text) {
  const s = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  return Uint8Array.from(s, (c) => c.charCodeAt(0));
}

// The fragment of a link to the run, as "#seed=N&script=...": { fragment }, or
// { refusal }, the sentence that says why there is none.
export async function runFragment(seed, script) {
  if (script.length > MaxSharedScriptBytes) {
    return {
      refusal: `The run is not shared: ${ScriptName} has ${script.length} bytes, more than the ${MaxSharedScriptBytes} a shared run may have.`,
    };
  }
  const packed = toBase64Url(await collect(transform(script, new CompressionStream('deflate')), Infinity));
  if (packed.length > MaxLinkScriptChars) {
    return {
      refusal: `The run is not shared: ${ScriptName} compresses to ${packed.length} characters, more than the ${MaxLinkScriptChars} a link may hold.`,
    };
  }
  return { fragment: `#seed=${seed}&script=${packed}` };
}

// The run a link's fragment holds: null when it holds none, { seed, script } when it
// holds a whole one, { refusal } (a sentence) when it holds a broken one.
export async function runFromFragment(hash) {
  if (!hash || hash === '#') return null;
  const params = new URLSearchParams(hash.slice(1));
  if (!params.has('seed') && !params.has('script')) return null;
  const broken = (why) => ({ refusal: `This link holds no run that can be played: ${why}.` });
  const seedText = params.get('seed') ?? '';
  const packed = params.get('script') ?? '';
  if (!/^\d{1,10}$/.test(seedText) || Number(seedText) > MaxSeed) {
    return broken('its seed is not a number from 0 to 4294967295');
  }
  if (packed.length > MaxLinkScriptChars) {
    return broken(`its script is longer than the ${MaxLinkScriptChars} characters a link may hold`);
  }
  if (!/^[A-Za-z0-9_-]+$/.test(packed)) return broken('its script is missing or has characters a link never holds');
  let compressed;
  try {
    compressed = fromBase64Url(packed);
  } catch {
    return broken('its script is cut off or changed');
  }
  let script;
  try {
    script = await collect(transform(compressed, new DecompressionStream('deflate')), MaxSharedScriptBytes);
  } catch {
    return broken('its script is cut off or changed');
  }
  if (script === null) {
    return broken(`its script would unfold to more than the ${MaxSharedScriptBytes} bytes a shared run may have`);
  }
  return { seed: Number(seedText), script };
}
