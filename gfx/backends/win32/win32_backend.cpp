#include "gfx/backends/win32/win32_backend.h"

#include <utility>

#include "gfx/backends/win32/dpi_awareness.h"
#include "gfx/backends/win32/input_dialog.h"
#include "gfx/backends/win32/message_pump.h"
#include "gfx/backends/win32/utf8_text.h"
#include "gfx/backends/win32/window_classes.h"

namespace gfx {

namespace {

// The system's sentence for the last error, without its line end. Wine without a
// display sets none.
WideString lastErrorText() {
    const DWORD error = GetLastError();
    if (error == ERROR_SUCCESS) return L"no window system answers (is there a display?)";
    wchar_t* buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    WideString text = n && buffer ? WideString(buffer, n) : L"error " + std::to_wstring(error);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance, HINSTANCE previousInstance,
                           SessionEndHandler onSessionEnd)
    : instance_(instance), sink_([this](const Message& m) { post(m); }) {
    becomeDpiAware();
    SetLastError(ERROR_SUCCESS);
    if (!registerWindowClasses(instance, previousInstance)) {
        startProblem_ = L"its window classes cannot be registered: " + lastErrorText();
        return;
    }
    SetLastError(ERROR_SUCCESS);
    graphics_ = std::make_unique<GraphicsWindow>(instance, sink_, std::move(onSessionEnd));
    if (!graphics_->hwnd()) {
        startProblem_ = L"its graphics window cannot be made: " + lastErrorText();
        return;
    }
    SetLastError(ERROR_SUCCESS);
    text_ = std::make_unique<TextWindow>(instance, graphics_->hwnd());
    if (!text_->hwnd()) {
        startProblem_ = L"its text window cannot be made: " + lastErrorText();
        return;
    }
    started_ = true;
    showIdentity();
}

// The windows go before the queue they post to (the base's): members end first.
Win32Backend::~Win32Backend() = default;

void Win32Backend::open(int showMode) {
    if (!started_) return;
    if (showMode != SW_HIDE) {
        ShowWindow(text_->hwnd(), SW_SHOWNOACTIVATE);
        ShowWindow(graphics_->hwnd(), showMode);
        SetForegroundWindow(graphics_->hwnd());
    }
    graphics_->startTimer();
}

void Win32Backend::poll() {
    if (!started_) return;
    if (dispatchPendingMessages(graphics_->hwnd(), text_->hwnd())) post(Message::quit());
}

void Win32Backend::waitForMessage(bool) {
    // Without windows nothing can come: the run is asked to end instead.
    if (!started_) {
        post(Message::quit());
        return;
    }
    // Messages that post nothing (a repaint, a mouse move) wake the wait, and it
    // waits again.
    while (!hasMessages()) {
        poll();
        if (!hasMessages()) waitForInput();
    }
}

void Win32Backend::present(const PixelImage& image) {
    if (graphics_) graphics_->present(image);
}

void Win32Backend::setMenuCheck(int id, bool checked) {
    if (graphics_) graphics_->setMenuCheck(id, checked);
}

void Win32Backend::textAppended(const TextHistory& history) {
    if (text_) text_->showHistory(history);
}

void Win32Backend::showTextWindow() {
    if (text_) text_->show();
}

bool Win32Backend::runInputDialog(const std::string& prompt, std::string& reply) {
    if (!started_) return false;
    // Modal to the whole program: the system disables only the owner, and keys typed in
    // the text window would reach the graphics window while the dialog waits.
    HWND text = text_->hwnd();
    const bool textWasEnabled = text && !EnableWindow(text, FALSE);
    const bool shown = gfx::runInputDialog({.instance = instance_,
                                            .owner = graphics_->hwnd(),
                                            .caption = widenUtf8(identity_.dialogTitle),
                                            .prompt = prompt,
                                            .icons = &icons_},
                                           reply);
    if (textWasEnabled) EnableWindow(text, TRUE);
    return shown;
}

std::time_t Win32Backend::calendarTime() {
    return std::time(nullptr);
}

bool Win32Backend::setIdentity(const Identity& identity) {
    identity_ = identity;
    const bool iconRead = identity.iconPath.empty() || icons_.load(widenUtf8(identity.iconPath));
    showIdentity();
    return iconRead;
}

void Win32Backend::showIdentity() {
    if (graphics_) {
        graphics_->setTitle(widenUtf8(identity_.graphicsTitle));
        icons_.applyTo(graphics_->hwnd());
    }
    if (text_) {
        text_->setTitle(widenUtf8(identity_.textTitle));
        icons_.applyTo(text_->hwnd());
    }
}

}  // namespace gfx
