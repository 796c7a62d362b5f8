// Loads the emscripten program (town.js, or a test program) and tells the page how it
// ends.
// May not: start the program before the page's modules are wired.
export function loadProgram(name, { onExit }) {
  window.Module = {
    onExit,
    onAbort: (what) => console.error(`The program stopped: ${what}`),
  };
  const script = document.createElement('script');
  script.src = `${name}.js`;
  document.body.append(script);
}
