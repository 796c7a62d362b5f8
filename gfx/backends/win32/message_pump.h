// The thread's message queue: dispatching what is pending and waiting for more.
#pragma once

#include "gfx/backends/win32/windows_api.h"

namespace gfx {

// Dispatches every pending message, never blocking; true when WM_QUIT was among them.
// Keys that the text window (text) passed on to the graphics window (graphics) were
// translated into characters where they were typed, and are not translated again.
bool dispatchPendingMessages(HWND graphics, HWND text);

// Blocks until input arrives that the queue did not hold at the last dispatch, using
// no CPU meanwhile.
void waitForInput();

}  // namespace gfx
