// The project's site (build/web/guide), walked from its front page: every page that a
// link reaches loads without an error, every link finds its page or file and every
// anchor its heading, and axe finds nothing on any page; after one visit to the front
// page the whole site starts with the network off.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { describe, it } from 'node:test';

import { guideDir, siteAndBrowser, startServer, waitForAsync, watchedPage } from './harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const axeSource = resolve(root, 'node_modules/axe-core/axe.min.js');
const site = siteAndBrowser(guideDir);

// What a loaded page holds: the ids its anchors may name, and every address it refers to.
function pageContents() {
  const ids = [...document.querySelectorAll('[id]')].map((e) => e.id);
  const names = [...document.querySelectorAll('a[name]')].map((e) => e.name);
  const refs = [...document.querySelectorAll('a[href], link[href], img[src], script[src], source[src]')].map(
    (e) => e.href || e.src,
  );
  return { ids: [...ids, ...names], refs };
}

async function axeViolations(page) {
  await page.addScriptTag({ path: axeSource });
  // axe details its violations only, which is quicker: the passes are not read here.
  const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
  return result.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target).join(' ')}`);
}

const isPage = (url) => url.pathname.endsWith('.html') || url.pathname.endsWith('/');
const PagesAtOnce = 3;

// Visits every page that visit(address) names, from start on, a few at a time;
// visit resolves to the addresses of the pages its page links to.
function crawl(start, visit) {
  const seen = new Set([start]);
  const queue = [start];
  let active = 0;
  return new Promise((resolve, reject) => {
    const next = () => {
      if (!active && !queue.length) resolve(seen);
      while (active < PagesAtOnce && queue.length) {
        ++active;
        visit(queue.shift()).then((found) => {
          for (const a of found) if (!seen.has(a)) seen.add(a) && queue.push(a);
          --active;
          next();
        }, reject);
      }
    };
    next();
  });
}

describe('the site', () => {
  it('every link finds its page or file, every anchor its place, and axe finds nothing', async () => {
    // Each page as the server gives it, not from a worker's cache.
    const context = await site.browser.newContext({ serviceWorkers: 'block' });
    const origin = new URL(site.server.url).origin;
    const ids = new Map(); // page address -> the ids on it
    const links = []; // { from, to: URL }
    const failures = [];
    await crawl(new URL('index.html', site.server.url).href, async (address) => {
      const name = address.slice(origin.length);
      const page = await watchedPage(context);
      try {
        const response = await page.goto(address, { waitUntil: 'load' });
        if (!response.ok()) {
          failures.push(`${name}: HTTP ${response.status()}`);
          return [];
        }
        const contents = await page.evaluate(pageContents);
        ids.set(address, contents.ids);
        for (const v of await axeViolations(page)) failures.push(`${name}: axe ${v}`);
        for (const p of page.problems) failures.push(`${name}: console ${p}`);
        const found = [];
        for (const ref of contents.refs) {
          const to = new URL(ref);
          if (to.origin !== origin) continue;
          links.push({ from: name, to });
          if (isPage(to)) found.push(new URL(to.pathname, origin).href);
        }
        return found;
      } finally {
        await page.close();
      }
    });
    await context.close();

    // Files that are no pages: the server has each.
    const files = new Set(links.filter(({ to }) => !isPage(to)).map(({ to }) => to.pathname));
    for (const path of files) {
      const r = await fetch(new URL(path, origin));
      if (!r.ok) failures.push(`${path}: HTTP ${r.status}, linked from ${links.find((l) => l.to.pathname === path).from}`);
    }
    // Anchors: the page they name has the place.
    for (const { from, to } of links) {
      if (!to.hash || to.hash === '#') continue;
      const on = ids.get(new URL(to.pathname, origin).href) ?? [];
      if (!on.includes(decodeURIComponent(to.hash.slice(1))))
        failures.push(`${from}: ${to.pathname}${to.hash} names no place on its page`);
    }
    assert.deepEqual([...new Set(failures)].sort(), []);
    // The walk reached every part of the site.
    const pages = [...ids.keys()].map((a) => a.slice(origin.length));
    for (const part of ['/docs/', '/gallery/', '/reference/', '/town/'])
      assert.ok(pages.some((p) => p.startsWith(part)), `no page under ${part} reached`);
  });

  it('starts with the network off after one visit to its front page', async () => {
    const own = await startServer(guideDir);
    const context = await site.browser.newContext();
    try {
      const page = await watchedPage(context);
      await page.goto(`${own.url}index.html`);
      // Every file of the build is kept, as the worker's own list names them.
      const kept = /const Files = '([^']*)'/.exec(readFileSync(join(guideDir, 'sw.js'), 'utf8'))[1].split(' ');
      await waitForAsync(
        page,
        async (count) => {
          if (!navigator.serviceWorker?.controller) return false;
          const name = (await caches.keys()).find((n) => n.startsWith('guide-'));
          return name && (await (await caches.open(name)).keys()).length === count;
        },
        kept.length,
        30000,
      );
      own.stop();
      const example = kept.find((f) => /^gallery\/(?!index)[a-z_]+\.html$/.test(f));
      const doc = kept.find((f) => f.startsWith('docs/') && f.endsWith('.html'));
      for (const path of ['index.html', doc, 'gallery/index.html', example, 'reference/index.html', 'town/index.html']) {
        if (!path) continue;
        await page.goto(`${own.url}${path}`);
        assert.ok((await page.title()).length > 0, `${path}: a page, offline`);
      }
      // A program of the gallery and the town run offline too.
      for (const path of [example, 'town/index.html']) {
        await page.goto(`${own.url}${path}`);
        await page.waitForFunction(() => window.gfx?.frames >= 1 || document.getElementById('gets')?.open);
      }
      assert.deepEqual(page.problems, []);
    } finally {
      await context.close();
      own.stop();
    }
  });
});
