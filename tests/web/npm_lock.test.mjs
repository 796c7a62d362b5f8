// The pinned npm packages install with Debian's own npm and run on Debian's own node:
// npm 9.2 with Debian's semver stops at a dependency named by a tag ("latest") when
// package.json has overrides, and without them a tag moves on and `npm ci` finds the
// lock out of date; Debian 12's node is 18.20.4.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { describe, it } from 'node:test';

const oldestNode = '18.20.4';
const root = new URL('../../', import.meta.url);
const lock = JSON.parse(readFileSync(new URL('package-lock.json', root)));
const manifest = JSON.parse(readFileSync(new URL('package.json', root)));

// A range as npm writes them ("^18.18.0 || >=21.1.0", ">= 10.*", "6.*"); anything else
// (a tag, a URL, a hyphen range) throws.
function compare(a, b) {
  for (let i = 0; i < 3; ++i) if (a[i] !== b[i]) return a[i] - b[i];
  return 0;
}
function comparatorHolds(version, comparator) {
  const match = /^(<=|>=|<|>|=|\^|~)?v?([*xX]|\d+)(?:\.([*xX]|\d+))?(?:\.([*xX]|\d+))?$/.exec(comparator);
  if (!match) throw new Error(`not a version range: ${comparator}`);
  const op = match[1] || '=';
  const fixed = [];
  for (const part of match.slice(2)) {
    if (part === undefined || /[*xX]/.test(part)) break;
    fixed.push(Number(part));
  }
  if (fixed.length === 0) return true;
  const low = [...fixed, 0, 0].slice(0, 3);
  const bump = (at) => [...fixed.slice(0, at), fixed[at] + 1, 0, 0].slice(0, 3);
  // The first version past a partial one (18.x: 19.0.0), for =, > and <=.
  const past = fixed.length === 3 ? null : bump(fixed.length - 1);
  const c = compare(version, low);
  switch (op) {
    case '>=': return c >= 0;
    case '<': return c < 0;
    case '>': return past ? compare(version, past) >= 0 : c > 0;
    case '<=': return past ? compare(version, past) < 0 : c <= 0;
    case '~': return c >= 0 && compare(version, bump(Math.min(fixed.length - 1, 1))) < 0;
    case '^': {
      const first = fixed.findIndex((n) => n !== 0);
      return c >= 0 && compare(version, bump(first < 0 ? fixed.length - 1 : first)) < 0;
    }
    default: return past ? c >= 0 && compare(version, past) < 0 : c === 0;
  }
}
function satisfies(version, range) {
  const v = version.split('.').map(Number);
  return range.split('||').some((set) =>
    set.trim().replace(/([<>=~^]+)\s+/g, '$1').split(/\s+/).filter(Boolean)
      .every((comparator) => comparatorHolds(v, comparator)));
}

describe('the npm lock', () => {
  it('reads ranges as npm does', () => {
    assert.ok(satisfies('18.20.4', '^18.18.0 || ^20.9.0 || >=21.1.0'));
    assert.ok(!satisfies('18.17.9', '^18.18.0 || ^20.9.0 || >=21.1.0'));
    assert.ok(!satisfies('18.20.4', '>=18.20.5') && !satisfies('18.20.4', '>=20.0.0'));
    assert.ok(satisfies('18.20.4', '6.* || 8.* || >= 10.*') && satisfies('18.20.4', '*'));
    assert.ok(satisfies('18.20.4', '~18.20.0') && !satisfies('18.21.0', '~18.20.0'));
    assert.ok(satisfies('0.3.9', '^0.3.1') && !satisfies('0.4.0', '^0.3.1'));
    assert.ok(!satisfies('18.20.4', '>18') && satisfies('18.20.4', '<=18'));
    assert.throws(() => satisfies('18.20.4', 'latest'), /not a version range: latest/);
  });

  it('pins every package to one version, with no overrides', () => {
    for (const [name, version] of Object.entries(manifest.devDependencies))
      assert.match(version, /^\d+\.\d+\.\d+$/, `${name} is not pinned`);
    assert.equal(manifest.overrides, undefined);
    assert.ok(lock.lockfileVersion <= 3, `lockfileVersion ${lock.lockfileVersion} is newer than npm 9 reads`);
  });

  it('names every dependency by a version range, not a tag', () => {
    for (const [path, entry] of Object.entries(lock.packages))
      for (const kind of ['dependencies', 'optionalDependencies', 'peerDependencies'])
        for (const [name, range] of Object.entries(entry[kind] || {}))
          assert.doesNotThrow(() => satisfies('1.0.0', range), `${path || 'package.json'} wants ${name}@${range}`);
  });

  it(`holds only packages that run on node ${oldestNode}`, () => {
    const refusing = Object.entries(lock.packages)
      .filter(([, entry]) => entry.engines?.node && !satisfies(oldestNode, entry.engines.node))
      .map(([path, entry]) => `${path}@${entry.version} (${entry.engines.node})`);
    assert.deepEqual(refusing, []);
  });
});
