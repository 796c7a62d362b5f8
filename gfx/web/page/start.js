// The page's entry: the program starts loading at once, beside the page's own modules
// (page.js and what it imports), and runs once they are wired.
import { loadProgram } from './program_loader.js';
import { testProgram } from './test_hooks.js';

const wired = import('./page.js');
loadProgram(testProgram(), {
  onExit: (status) => window.townPage.programEnded(status),
  // Also an error before the page is wired (the font not loaded) is shown once it is.
  onStop: (what) => wired.then(() => window.townPage.programStopped(what)),
});
