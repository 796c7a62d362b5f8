// Loads the emscripten program (town.js, or a test program) and tells the page how it
// ends. The program loads beside the page's modules and waits for pageReady() before
// its main runs (gfx/web/program_prelude.js), so it is fetched and compiled meanwhile.
// May not: let the program's main run before the page's modules are wired.
export function loadProgram(name, { onExit }) {
  window.Module = {
    onExit,
    onAbort: (what) => console.error(`The program stopped: ${what}`),
  };
  const script = document.createElement('script');
  script.src = `${name}.js`;
  script.fetchPriority = 'high'; // before the page's modules still on their way
  document.body.append(script);
}

// The page's modules are wired: the program may run.
export function pageReady() {
  window.townPageReady = true;
  window.dispatchEvent(new Event('townpageready'));
}
