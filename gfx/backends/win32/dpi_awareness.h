// The DPI functions of Windows 10 (1607 on) where the system has them, and what older
// systems, and Wine releases without them, offer instead.
#pragma once

#include "gfx/backends/win32/windows_api.h"

namespace gfx {

// Makes the process per-monitor DPI aware (v2) unless its manifest already did, so that
// the system never stretches the picture; on a system without per-monitor awareness,
// aware of the system DPI.
void becomeDpiAware();

// The DPI the window is shown at; the screen's before there is a window.
int windowDpi(HWND window);
int systemDpi();

// The window rectangle around a client rectangle at that DPI: its frame, caption and
// menu bar sized as the system draws them there.
RECT outerRectOf(const RECT& client, DWORD style, bool hasMenu, DWORD exStyle, int dpi);

}  // namespace gfx
