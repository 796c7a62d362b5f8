// Lighthouse's scores of the web edition (mobile defaults: simulated slow 4G and a 4x
// slower CPU), the median of several runs in Debian's Chromium, each a first visit.
// Not part of the tests: a measurement. Run it after scripts/web.sh --build:
//   node tests/web/lighthouse.mjs [runs] [site folder] [page]
// e.g. the gallery's page of an example: node tests/web/lighthouse.mjs 3 build/web/guide gallery/bounce.html
import { execFile } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';

import { siteDir, startServer } from './harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const runs = Number(process.argv[2] || 3);
const site = process.argv[3] ? resolve(process.argv[3]) : siteDir;
const pagePath = process.argv[4] || 'index.html';
const chromium = process.env.TOWN_CHROMIUM || '/usr/bin/chromium';
const categories = ['performance', 'accessibility', 'best-practices', 'seo'];
const audits = ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time', 'speed-index'];
const median = (v) => [...v].sort((a, b) => a - b)[Math.floor(v.length / 2)];

const server = await startServer(site);
const out = mkdtempSync(join(tmpdir(), 'town-lighthouse-'));
try {
  const results = [];
  for (let i = 0; i < runs; ++i) {
    const file = join(out, `run${i}.json`);
    await promisify(execFile)(
      process.execPath,
      [
        resolve(root, 'node_modules/lighthouse/cli/index.js'),
        `${server.url}${pagePath}`,
        `--chrome-path=${chromium}`,
        '--chrome-flags=--headless=new --no-sandbox',
        `--only-categories=${categories.join(',')}`,
        '--output=json',
        `--output-path=${file}`,
        '--quiet',
      ],
      { maxBuffer: 64 * 1024 * 1024 },
    );
    const report = JSON.parse(readFileSync(file, 'utf8'));
    results.push(report);
    const scores = categories.map((c) => `${c} ${Math.round(report.categories[c].score * 100)}`);
    console.log(`run ${i + 1}: ${scores.join(', ')}`);
    const failing = Object.values(report.audits).filter(
      (a) => a.score !== null && a.score < 1 && a.scoreDisplayMode === 'binary',
    );
    for (const a of failing) console.log(`  not passed: ${a.id} (${a.title})`);
  }
  console.log(`median of ${runs} (Lighthouse ${results[0].lighthouseVersion}, ${results[0].environment.hostUserAgent}):`);
  for (const c of categories) {
    console.log(`  ${c}: ${median(results.map((r) => Math.round(r.categories[c].score * 100)))}`);
  }
  for (const a of audits) {
    const ms = median(results.map((r) => r.audits[a].numericValue));
    console.log(`  ${a}: ${a === 'total-blocking-time' ? `${ms.toFixed(0)} ms` : `${(ms / 1000).toFixed(2)} s`}`);
  }
} finally {
  rmSync(out, { recursive: true, force: true });
  server.stop();
}
