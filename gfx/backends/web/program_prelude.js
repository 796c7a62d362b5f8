// Loaded into each program of the page (--pre-js), which starts loading beside the
// page's modules: before main runs, the renderer's font (a file of the site, fetched
// at once, beside the program's own code) is put at the path the renderer opens, and
// the page has wired its modules (page/program_loader.js, pageReady).
/* global Module, FS, abort, addRunDependency, removeRunDependency */
var gfxPageFont = fetch('@GFX_WEB_FONT_URL@').then(function (response) {
  if (!response.ok) throw new Error('HTTP ' + response.status);
  return response.arrayBuffer();
});
Module['preRun'] = [].concat(Module['preRun'] || [], function placeFont() {
  var path = '@GFX_FONT_FILE@';
  addRunDependency('font');
  gfxPageFont
    .then(function (bytes) {
      FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
      FS.writeFile(path, new Uint8Array(bytes));
      removeRunDependency('font');
    })
    .catch(function (error) {
      abort('the font @GFX_WEB_FONT_URL@ could not be loaded (' + error.message + ')');
    });
}, function awaitPage() {
  if (window['gfxPageReady']) return;
  addRunDependency('page');
  window.addEventListener('gfxpageready', function () {
    removeRunDependency('page');
  }, { once: true });
});
