// The program entry of the web edition: the stored "DROVA.SCR" is put in place, the
// web back end installed, and the application run as on the desktop.
#include <emscripten.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "gfx/backends/web/page_bridge.h"
#include "gfx/backends/web/web_backend.h"
#include "gfx/core/backend.h"
#include "gfx/core/opening.h"
#include "gfx/core/script.h"
#include "gfx/gfx.h"

namespace {
// The working directory, where the library reads and writes its script file.
constexpr const char* StorageFolder = "/program";
}  // namespace

// Called by the page when it is hidden or goes away, while the program is suspended:
// the periodic run being counted is written, as the desktop writes it on SIGTERM, so a
// reload or a closed tab keeps the whole recording.
extern "C" EMSCRIPTEN_KEEPALIVE void gfx_save_recording() {
    gfx::writePendingRecording();
}

int main() {
    if (mkdir(StorageFolder, 0777) != 0 || chdir(StorageFolder) != 0) return 1;
    gfx::page::mountStorage(StorageFolder);
    gfx::setBackend(std::make_unique<gfx::WebBackend>());
    gfxStoreStartup({nullptr, nullptr, "", 1});
    appMain();
    // The repaint after the quit stays on the canvas under the ending, the picture that
    // town-replay saves for the same run.
    gfx::showIfDirty();
    gfx::setBackend(nullptr);
    // As on the desktop, the status is 0 whatever appMain returned; the second-display
    // error ends the program with -1 before this, and the page learns that on its own.
    gfx::page::programEnded(0);
    return 0;
}
