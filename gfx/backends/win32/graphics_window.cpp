#include "gfx/backends/win32/graphics_window.h"

#include <utility>

#include "gfx/backends/win32/dpi_awareness.h"
#include "gfx/backends/win32/dpi_scale.h"
#include "gfx/backends/win32/key_translation.h"
#include "gfx/backends/win32/picture_painter.h"
#include "gfx/backends/win32/run_menu.h"
#include "gfx/backends/win32/window_classes.h"
#include "gfx/backends/win32/window_procedure.h"
#include "gfx/core/client_area.h"

namespace gfx {

namespace {

// A caption with the system menu and a minimise box: no sizing border, no maximise box.
constexpr DWORD Style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR TimerId = 2;

int lowWord(LPARAM value) {
    return static_cast<int>(static_cast<short>(LOWORD(value)));
}
int highWord(LPARAM value) {
    return static_cast<int>(static_cast<short>(HIWORD(value)));
}

RECT outerRectAt(int scale, int dpi) {
    const RECT client = {0, 0, scaledClientWidth(scale), scaledClientHeight(scale)};
    return outerRectOf(client, Style, true, 0, dpi);
}

}  // namespace

GraphicsWindow::GraphicsWindow(HINSTANCE instance, const MessageSink& post,
                               SessionEndHandler onSessionEnd)
    : post_(post), onSessionEnd_(std::move(onSessionEnd)) {
    HMENU menu = makeRunMenuBar();
    if (!menu) return;
    const int dpi = systemDpi();
    scale_ = pictureScale(dpi);
    const RECT outer = outerRectAt(scale_, dpi);
    hwnd_ = CreateWindowExW(0, GraphicsWindowClass, L"", Style, 0, 0, outer.right - outer.left,
                            outer.bottom - outer.top, nullptr, menu, instance, this);
    if (!hwnd_) {
        DestroyMenu(menu);
        return;
    }
    menu_ = menu;
    // The screen the window is on may have another DPI than the system's.
    fitToDpi(hwnd_, windowDpi(hwnd_), {0, 0});
}

GraphicsWindow::~GraphicsWindow() {
    if (hwnd_) KillTimer(hwnd_, TimerId);
    destroyDetached(hwnd_);  // its menu goes with it
}

void GraphicsWindow::startTimer() {
    if (hwnd_) SetTimer(hwnd_, TimerId, TickMilliseconds, nullptr);
}

void GraphicsWindow::present(const PixelImage& image) {
    image_ = &image;
    if (!hwnd_) return;
    // Painted now: the program may block in a wait right after.
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

void GraphicsWindow::setMenuCheck(int id, bool checked) {
    setRunMenuCheck(menu_, id, checked);
}

void GraphicsWindow::setTitle(const WideString& title) {
    if (hwnd_) SetWindowTextW(hwnd_, title.c_str());
}

void GraphicsWindow::fitToDpi(HWND hwnd, int dpi, POINT topLeft) {
    scale_ = pictureScale(dpi);
    const RECT outer = outerRectAt(scale_, dpi);
    SetWindowPos(hwnd, nullptr, topLeft.x, topLeft.y, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps, or a frame drawn otherwise than reckoned, leaves the client
    // area off by some pixels: grow or shrink the window by them.
    RECT client = {};
    GetClientRect(hwnd, &client);
    const int dx = scaledClientWidth(scale_) - client.right;
    const int dy = scaledClientHeight(scale_) - client.bottom;
    if (dx != 0 || dy != 0) {
        RECT window = {};
        GetWindowRect(hwnd, &window);
        SetWindowPos(hwnd, nullptr, 0, 0, window.right - window.left + dx,
                     window.bottom - window.top + dy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void GraphicsWindow::paint(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (dc && image_) paintPicture(dc, *image_, scale_);
    EndPaint(hwnd, &ps);
}

LRESULT GraphicsWindow::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paint(hwnd);
            return 0;
        case WM_ERASEBKGND:
            // The picture covers the client area; before there is one, the class's white
            // shows, as the image starts.
            if (image_) return 1;
            break;
        case WM_LBUTTONDOWN:
            post_(Message::leftClick(picturePixel(lowWord(lParam), scale_),
                                     picturePixel(highWord(lParam), scale_)));
            return 0;
        case WM_KEYDOWN:
            post_(Message::keyDown(keyCodeOfVirtualKey(static_cast<unsigned>(wParam))));
            return 0;
        case WM_KEYUP:
            post_(Message::keyUp(keyCodeOfVirtualKey(static_cast<unsigned>(wParam))));
            return 0;
        // Keys pressed with Alt, and F10: the library sees them as any key (a Ctrl
        // released while Alt is down among them), and the system still opens the menu.
        case WM_SYSKEYDOWN:
            post_(Message::keyDown(keyCodeOfVirtualKey(static_cast<unsigned>(wParam))));
            break;
        case WM_SYSKEYUP:
            post_(Message::keyUp(keyCodeOfVirtualKey(static_cast<unsigned>(wParam))));
            break;
        case WM_CHAR:
            if (auto c = typedCharacter(static_cast<unsigned>(wParam))) post_(Message::typed(*c));
            return 0;
        case WM_ACTIVATEAPP:
            // A Ctrl released while another program has the focus is never seen: count
            // it as released when the program loses the focus, so typing works on return.
            if (!wParam) post_(Message::keyUp(KeyCode::Control));
            break;
        case WM_COMMAND:
            if (HIWORD(wParam) == 0 && lParam == 0) {  // from the menu
                post_(Message::command(LOWORD(wParam)));
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == TimerId) {
                post_(Message::timer());
                return 0;
            }
            break;
        case WM_SIZE:
            // A minimised window has no client area; the picture's size is unchanged.
            if (wParam != SIZE_MINIMIZED)
                post_(Message::size(picturePixel(LOWORD(lParam), scale_),
                                    picturePixel(HIWORD(lParam), scale_)));
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            fitToDpi(hwnd, HIWORD(wParam), {suggested->left, suggested->top});
            return 0;
        }
        case WM_CLOSE:
            // Closing asks the application to quit; the window stays until it does.
            post_(Message::quit());
            return 0;
        case WM_DESTROY:
            // Destroyed by another program: as if closed, and never touched again.
            hwnd_ = nullptr;
            menu_ = nullptr;
            post_(Message::quit());
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam && onSessionEnd_) onSessionEnd_();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace gfx
