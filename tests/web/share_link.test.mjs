// The share link's encoding under node: runs come back whole, and what is too large
// is refused on both ways.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import {
  MaxLinkScriptChars,
  MaxSharedScriptBytes,
  runFragment,
  runFromFragment,
} from '../../gfx/backends/web/page/features/share_link.js';

describe('share link', () => {
  it('gives back the seed and every byte of the script', async () => {
    const bytes = Uint8Array.from({ length: 5000 }, (_, i) => (i * 31) & 0xff); // Latin-1 too
    for (const [seed, script] of [
      [0, new Uint8Array()],
      [4294967295, bytes],
      [1733750400, new TextEncoder().encode('DROVA_PERIODIC(40);\nDROVA_MOUSE(150, -230);\n')],
    ]) {
      const { fragment, refusal } = await runFragment(seed, script);
      assert.equal(refusal, undefined);
      assert.match(fragment, /^#seed=\d+&script=[A-Za-z0-9_-]+$/);
      const run = await runFromFragment(fragment);
      assert.equal(run.seed, seed);
      assert.deepEqual(run.script, script);
    }
  });

  it('reads no run from a fragment without one', async () => {
    for (const hash of ['', '#', '#top', '#other=1']) assert.equal(await runFromFragment(hash), null);
  });

  it('refuses scripts too large before or after compression', async () => {
    const tooLong = await runFragment(1, new Uint8Array(MaxSharedScriptBytes + 1));
    assert.match(tooLong.refusal, /more than the 1048576 a shared run may have/);
    let x = 2463534242;
    const noise = Uint8Array.from({ length: MaxLinkScriptChars }, () => {
      x ^= x << 13;
      x ^= x >>> 17;
      x ^= x << 5;
      return x & 0xff;
    });
    const incompressible = await runFragment(1, noise);
    assert.match(incompressible.refusal, /a link may hold/);
    // The largest script that still fits unfolds again.
    const fits = await runFragment(1, new Uint8Array(MaxSharedScriptBytes).fill(0x41));
    assert.deepEqual((await runFromFragment(fits.fragment)).script.length, MaxSharedScriptBytes);
  });
});
