// The service worker of a site: it keeps the files of one build, so that the
// page starts without the network after one visit. The build writes the list and the
// cache's name, a digest of the files: a new build is a new worker, which fetches its
// files on the next visit online and drops the cache of the one before.
const CachePrefix = '@PROGRAM@-'; // the caches of this site's builds, and no other site's
const CacheName = `${CachePrefix}@GFX_WEB_BUILD_DIGEST@`;
const Files = '@GFX_WEB_KEPT_FILES@'.split(' ');

self.addEventListener('install', (event) => {
  event.waitUntil(
    (async () => {
      const cache = await caches.open(CacheName);
      // Past the browser's HTTP cache, which may still hold the files of the build before.
      await cache.addAll(Files.map((f) => new Request(f, { cache: 'no-cache' })));
      await self.skipWaiting();
    })(),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) {
        if (name !== CacheName && name.startsWith(CachePrefix)) await caches.delete(name);
      }
      await self.clients.claim();
    })(),
  );
});

// The network first, so that a visit online always gets the newest build; the kept
// files when it fails. The query (?seed=N) names no other file.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith(
    fetch(request).catch(async () => {
      const cache = await caches.open(CacheName);
      const kept =
        (await cache.match(request, { ignoreSearch: true })) ||
        (request.mode === 'navigate' ? await cache.match('index.html') : undefined);
      return kept || Response.error();
    }),
  );
});
