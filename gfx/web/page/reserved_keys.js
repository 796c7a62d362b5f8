// The Ctrl shortcuts a browser keeps for itself: their keys never reach the page, so
// the menu does not offer them. Firefox on Linux quits on Ctrl+Q (every tab closes);
// Chromium quits on Ctrl+Shift+Q and Safari on Cmd+Q, which leave Ctrl+Q to the page.
// May not: touch the page; it only reads the user agent it is given.
export function reservedShortcuts(userAgent = globalThis.navigator?.userAgent ?? '') {
  const firefoxOnLinux = /\bFirefox\//.test(userAgent) && /\bLinux\b/.test(userAgent) && !/\bAndroid\b/.test(userAgent);
  return new Set(firefoxOnLinux ? ['Q'] : []);
}
