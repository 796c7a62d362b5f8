// One window procedure per C++ window class: it finds the object that made the window
// (handed to CreateWindowExW) and lets it handle the message. Messages before
// WM_NCCREATE, and after the object let go of its window, take the default handling.
#pragma once

#include "gfx/backends/win32/windows_api.h"

namespace gfx {

// Window has LRESULT onMessage(HWND, UINT, WPARAM, LPARAM); the HWND is passed because
// messages come while CreateWindowExW has not yet returned it.
template <class Window>
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return window ? window->onMessage(hwnd, message, wParam, lParam)
                  : DefWindowProcW(hwnd, message, wParam, lParam);
}

// Destroys the window without telling its object: destroying our own windows is no
// request of the user's.
inline void destroyDetached(HWND hwnd) {
    if (!hwnd) return;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

}  // namespace gfx
