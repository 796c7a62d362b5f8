#include "gfx/backends/win32/ending_guard.h"

#include <cstdlib>

#include "gfx/backends/win32/windows_api.h"
#include "gfx/core/script.h"

namespace gfx {

namespace {

void saveRecording() {
    writePendingRecording();
    closeScriptStream();
}

}  // namespace

EndingGuard::EndingGuard() {
    std::atexit(saveRecording);
}

void EndingGuard::endWithSession() {
    saveRecording();
    // The session is going: nothing else of the program's needs to run.
    ExitProcess(0);
}

}  // namespace gfx
