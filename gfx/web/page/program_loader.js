// Loads the emscripten program (town.js, or a test program) and tells the page how it
// ends. The program loads beside the page's modules and waits for pageReady() before
// its main runs (gfx/web/program_prelude.js), so it is fetched and compiled meanwhile.
// May not: let the program's main run before the page's modules are wired.
// onStop(what) is told once when the program stops on an error: an abort, a trap of
// the WebAssembly code (which may surface as an uncaught error of the page).
export function loadProgram(name, { onExit, onStop }) {
  let stopped = false;
  const stop = (what) => {
    if (stopped) return;
    stopped = true;
    console.error(`The program stopped: ${what}`);
    onStop(what);
  };
  window.Module = { onExit, onAbort: (what) => stop(String(what || 'abort() was called')) };
  const trap = (error) => {
    if (error instanceof WebAssembly.RuntimeError) stop(error.message);
  };
  addEventListener('error', (event) => trap(event.error));
  addEventListener('unhandledrejection', (event) => trap(event.reason));
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
