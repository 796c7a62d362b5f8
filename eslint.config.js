// ESLint over the page's modules: its recommended rules, in the browser.
import js from '@eslint/js';

// What the page uses of the browser.
const browser = Object.fromEntries(
  [
    'window', 'document', 'location', 'performance', 'console', 'localStorage', 'matchMedia',
    'setTimeout', 'clearTimeout', 'setInterval', 'clearInterval', 'queueMicrotask',
    'MessageChannel', 'BroadcastChannel', 'Blob', 'URL', 'URLSearchParams', 'ImageData',
    'DOMException', 'addEventListener', 'getComputedStyle', 'Event', 'navigator', 'btoa',
    'atob', 'CompressionStream', 'DecompressionStream', 'requestAnimationFrame',
    'ClipboardItem', 'ResizeObserver', 'WebAssembly', 'fetch',
  ].map((name) => [name, 'readonly']),
);

export default [
  { ignores: ['build/', 'node_modules/'] },
  {
    files: ['gfx/backends/web/page/**/*.js'],
    ...js.configs.recommended,
    languageOptions: { ecmaVersion: 2022, sourceType: 'module', globals: browser },
    linterOptions: { reportUnusedDisableDirectives: 'error' },
  },
];
