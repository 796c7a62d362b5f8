#include "gfx/backends/win32/ending_guard.h"

#include <cstdlib>

#include "gfx/backends/win32/windows_api.h"
#include "gfx/core/script.h"

namespace gfx {

EndingGuard::EndingGuard() {
    std::atexit(saveRecordingAtEnd);
}

void EndingGuard::endWithSession() {
    saveRecordingAtEnd();
    // The session is going: nothing else of the program's needs to run.
    ExitProcess(0);
}

}  // namespace gfx
