#include "gfx/backends/win32/message_pump.h"

namespace gfx {

namespace {

bool isKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
           message == WM_SYSKEYUP;
}

// The keyboard's own messages go to the window with the focus; a key message for the
// graphics window while the text window has it was passed on by the text window.
bool passedOn(const MSG& msg, HWND graphics, HWND text) {
    return text && msg.hwnd == graphics && isKeyMessage(msg.message) && GetFocus() == text;
}

}  // namespace

bool dispatchPendingMessages(HWND graphics, HWND text) {
    bool quit = false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quit = true;
            continue;
        }
        if (!passedOn(msg, graphics, text)) TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return quit;
}

void waitForInput() {
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

}  // namespace gfx
