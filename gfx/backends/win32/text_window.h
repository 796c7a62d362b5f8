// The "DROVA Text" window: the last 25 library lines, newest at the bottom, in a strip
// across the bottom third of the screen. Its keys are the graphics window's.
#pragma once

#include "gfx/backends/win32/wide_string.h"
#include "gfx/backends/win32/windows_api.h"
#include "gfx/core/text_history.h"

namespace gfx {

class TextWindow {
public:
    static constexpr int LeftMargin = 5;

    // Made hidden; hwnd() is null when it cannot be made. Keys typed in it go to
    // graphics.
    TextWindow(HINSTANCE instance, HWND graphics);
    TextWindow(const TextWindow&) = delete;
    TextWindow& operator=(const TextWindow&) = delete;
    ~TextWindow();

    HWND hwnd() const { return hwnd_; }

    // Shows the library's history of lines from its next repaint on, however many lines
    // come before it.
    void showHistory(const TextHistory& history);
    void show();
    void setTitle(const WideString& title);

    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void paint(HWND hwnd);

    HWND graphics_;
    HWND hwnd_ = nullptr;
    const TextHistory* history_ = nullptr;
};

}  // namespace gfx
