// The modal string-input dialog ("DROVA_gets"): the prompt, a multi-line edit field and
// the "Okay" button, built in memory and owned by the graphics window.
#pragma once

#include <string>

#include "gfx/backends/win32/wide_string.h"
#include "gfx/backends/win32/window_icons.h"
#include "gfx/backends/win32/windows_api.h"

namespace gfx {

struct InputDialogRequest {
    HINSTANCE instance = nullptr;
    HWND owner = nullptr;
    WideString caption;
    std::string prompt;  // Latin-1
    const WindowIcons* icons = nullptr;
};

// Runs the dialog until "Okay" is pressed (Enter in the edit field presses it too;
// Escape and the close box are not offered) and sets reply to the edit field's text.
// False when the dialog cannot be shown.
bool runInputDialog(const InputDialogRequest& request, std::string& reply);

}  // namespace gfx
