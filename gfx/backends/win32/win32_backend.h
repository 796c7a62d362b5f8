// The native Windows back end: the desktop program's windows through Win32 USER, and GDI
// only to copy the off-screen image into them.
//
// Platform: Windows (Win32, wide-character functions), and Wine. The "DROVA Graphics"
// window (class "DrawWndClass") with the "&Run" menu and a client area of exactly the
// picture, the "DROVA Text" window ("TextWndClass") across the bottom third of the
// screen, a window timer of the library's tick and the modal "DROVA_gets" dialog built
// in memory, titled after the program when it names itself, with its icon. Per-monitor
// DPI aware: the picture is shown at the largest whole scale the screen's DPI allows,
// and clicks map back to its pixels. Waiting blocks in MsgWaitForMultipleObjectsEx, so a
// halted program uses no CPU.
// Cannot: resize the graphics window (its client size is fixed); scale the picture by
// a fraction (at 144 DPI it is shown one to one); close the input dialog but by "Okay".
// Depends on: user32 and gdi32; the library core and the renderer.
#pragma once

#include <memory>
#include <string>

#include "gfx/backends/win32/graphics_window.h"
#include "gfx/backends/win32/message_sink.h"
#include "gfx/backends/win32/text_window.h"
#include "gfx/backends/win32/window_icons.h"
#include "gfx/backends/win32/windows_api.h"
#include "gfx/core/backend.h"

namespace gfx {

class Win32Backend : public Backend {
public:
    using SessionEndHandler = GraphicsWindow::SessionEndHandler;

    // Registers the window classes and makes both windows, hidden until open().
    Win32Backend(HINSTANCE instance, HINSTANCE previousInstance,
                 SessionEndHandler onSessionEnd = {});
    ~Win32Backend() override;

    // False when the windows could not be made; startProblem() then says why, in a
    // sentence of the system's.
    bool started() const { return started_; }
    const WideString& startProblem() const { return startProblem_; }

    void open(int showMode) override;
    void poll() override;
    void waitForMessage(bool tickAwaited) override;
    PixelFormat pixelFormat() const override { return PixelFormat::Xrgb32; }
    void present(const PixelImage& image) override;
    void setMenuCheck(int id, bool checked) override;
    void textAppended(const TextHistory& history) override;
    void showTextWindow() override;
    bool runInputDialog(const std::string& prompt, std::string& reply) override;
    std::time_t calendarTime() override;
    bool setIdentity(const Identity& identity) override;

    GraphicsWindow* graphicsWindow() const { return graphics_.get(); }
    TextWindow* textWindow() const { return text_.get(); }

private:
    void showIdentity();

    HINSTANCE instance_;
    MessageSink sink_;
    Identity identity_ = identityNamed("");
    WindowIcons icons_;
    std::unique_ptr<GraphicsWindow> graphics_;
    std::unique_ptr<TextWindow> text_;
    bool started_ = false;
    WideString startProblem_;
};

}  // namespace gfx
