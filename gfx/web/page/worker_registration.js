// The service worker keeps the site's files for an offline start. Without one (an
// http:// address other than localhost, or a browser that refuses it) the page runs
// as before, only not offline.
export function registerServiceWorker() {
  if (!('serviceWorker' in navigator)) return Promise.resolve(null);
  return navigator.serviceWorker.register('sw.js').catch((error) => {
    console.warn(`The page will not start offline: ${error.message}`);
    return null;
  });
}
