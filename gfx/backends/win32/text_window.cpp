#include "gfx/backends/win32/text_window.h"

#include <string>

#include "gfx/backends/win32/latin1_text.h"
#include "gfx/backends/win32/window_classes.h"
#include "gfx/backends/win32/window_procedure.h"

namespace gfx {

TextWindow::TextWindow(HINSTANCE instance, HWND graphics) : graphics_(graphics) {
    // A strip across the bottom third of the primary screen, frame included.
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    hwnd_ = CreateWindowExW(0, TextWindowClass, L"", WS_OVERLAPPEDWINDOW, 0, (2 * h) / 3 + 1, w,
                            h / 3, nullptr, nullptr, instance, this);
}

TextWindow::~TextWindow() {
    destroyDetached(hwnd_);
}

void TextWindow::showHistory(const TextHistory& history) {
    history_ = &history;
    // Coalesced: the system paints once, when the queue has nothing else.
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void TextWindow::show() {
    // Shown without the focus, which stays where the user's keys go.
    if (hwnd_ && !IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

void TextWindow::setTitle(const WideString& title) {
    if (hwnd_) SetWindowTextW(hwnd_, title.c_str());
}

void TextWindow::paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc && history_) {
        const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        RECT client = {};
        GetClientRect(hwnd, &client);
        int y = client.bottom - lineHeight;
        const auto lines = history_->lines();
        for (auto it = lines.rbegin(); it != lines.rend() && y + lineHeight > 0; ++it) {
            std::string text = *it;
            if (!text.empty() && text.back() == '\n') text.pop_back();  // only the last line end
            const WideString wide = widenLatin1(text);
            TextOutW(dc, LeftMargin, y, wide.c_str(), static_cast<int>(wide.size()));
            y -= lineHeight;
        }
        SelectObject(dc, oldFont);
    }
    EndPaint(hwnd, &ps);
}

LRESULT TextWindow::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint(hwnd);
            return 0;
        // Keys and typing while this window has the focus are the graphics window's, as
        // they came: shortcuts and typed characters work from here too.
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            PostMessageW(graphics_, message, wParam, lParam);
            return 0;
        // Keys with Alt go there as plain keys, so that the graphics window's system
        // handling (its menu, Alt+F4) is not started from here; this window keeps its own.
        case WM_SYSKEYDOWN:
            PostMessageW(graphics_, WM_KEYDOWN, wParam, lParam);
            break;
        case WM_SYSKEYUP:
            PostMessageW(graphics_, WM_KEYUP, wParam, lParam);
            break;
        case WM_CLOSE:
            // Closing only hides the window: its lines stay in the library's history, and
            // turning the log on shows the window again with them.
            ShowWindow(hwnd, SW_HIDE);
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace gfx
