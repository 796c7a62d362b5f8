// Loads the emscripten program (the site's, or a test program) and tells the page how it
// ends. The program loads beside the page's modules and waits for pageReady() before
// its main runs (gfx/backends/web/program_prelude.js), so it is fetched and compiled meanwhile.
// Its code is asked for at once with its script, not once the script runs; the page
// names neither in its head, so that a slow network gives the page's own style and
// text the first bytes and the page shows before the program comes.
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
  const code = fetch(`${name}.wasm`, { credentials: 'same-origin' });
  window.Module = {
    onExit,
    onAbort: (what) => stop(String(what || 'abort() was called')),
    instantiateWasm(imports, receive) {
      compile(code, imports).then(
        ({ instance, module }) => receive(instance, module),
        (error) => stop(`the program's code ${name}.wasm could not be loaded (${error.message})`),
      );
      return {}; // the exports come with receive()
    },
  };
  const trap = (error) => {
    if (error instanceof WebAssembly.RuntimeError) stop(error.message);
  };
  addEventListener('error', (event) => trap(event.error));
  addEventListener('unhandledrejection', (event) => trap(event.reason));
  const script = document.createElement('script');
  script.src = `${name}.js`;
  script.fetchPriority = 'high'; // before the page's modules still on their way
  // A script that never comes would leave the page waiting for ever.
  script.onerror = () => stop(`the program ${name}.js could not be loaded`);
  document.body.append(script);
}

// Compiled as it streams in; a server that gives WebAssembly another type gets it
// compiled once it is all there.
async function compile(response, imports) {
  const r = await response;
  if (!r.ok) throw new Error(`HTTP ${r.status}`);
  try {
    return await WebAssembly.instantiateStreaming(r.clone(), imports);
  } catch (error) {
    if (!(error instanceof TypeError)) throw error;
    return WebAssembly.instantiate(await r.arrayBuffer(), imports);
  }
}

// The page's modules are wired: the program may run.
export function pageReady() {
  window.gfxPageReady = true;
  window.dispatchEvent(new Event('gfxpageready'));
}
