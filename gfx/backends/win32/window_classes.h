// The window classes of the program's two windows: "DrawWndClass" for the graphics
// window and "TextWndClass" for the text window.
#pragma once

#include "gfx/backends/win32/windows_api.h"

namespace gfx {

inline constexpr const wchar_t* GraphicsWindowClass = L"DrawWndClass";
inline constexpr const wchar_t* TextWindowClass = L"TextWndClass";

// Registers both for this instance unless an earlier one did (previousInstance not
// null): redrawn whole when resized, the program's icon (its resource 1) or else the
// standard one, the arrow cursor and a white background. False when one cannot be
// registered.
bool registerWindowClasses(HINSTANCE instance, HINSTANCE previousInstance);

}  // namespace gfx
