// The page's entry (the site bundles it with every module it imports): the program
// starts loading at once, and runs once the page's modules are wired (page.js).
import { loadProgram } from './wire/program_loader.js';
import { testProgram } from './wire/test_hooks.js';

const wired = import('./page.js');
loadProgram(testProgram() ?? document.documentElement.dataset.program, {
  onExit: (status) => window.gfxPage.programEnded(status),
  // Also an error before the page is wired (the font not loaded) is shown once it is.
  onStop: (what) => wired.then(() => window.gfxPage.programStopped(what)),
});
