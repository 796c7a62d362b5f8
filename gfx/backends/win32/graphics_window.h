// The "DROVA Graphics" window: the "&Run" menu and a client area of exactly the picture,
// which shows the off-screen image and turns input into library messages.
#pragma once

#include <functional>

#include "gfx/backends/win32/message_sink.h"
#include "gfx/backends/win32/wide_string.h"
#include "gfx/backends/win32/windows_api.h"
#include "gfx/render/pixel_image.h"

namespace gfx {

class GraphicsWindow {
public:
    // Told when the user's session ends (log-off, shutdown): the process ends with it.
    using SessionEndHandler = std::function<void()>;

    // Made hidden, at the top left of the screen; hwnd() is null when it cannot be made.
    GraphicsWindow(HINSTANCE instance, const MessageSink& post, SessionEndHandler onSessionEnd);
    GraphicsWindow(const GraphicsWindow&) = delete;
    GraphicsWindow& operator=(const GraphicsWindow&) = delete;
    ~GraphicsWindow();

    HWND hwnd() const { return hwnd_; }
    HMENU menuBar() const { return menu_; }
    // Device pixels per picture pixel, from the DPI the window is shown at.
    int scale() const { return scale_; }

    void startTimer();
    // Shows image from now on, at once; its pixels are read where they are, never copied.
    void present(const PixelImage& image);
    void setMenuCheck(int id, bool checked);
    void setTitle(const WideString& title);

    LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // Sizes the window so that its client area is the picture at that DPI's scale.
    void fitToDpi(HWND hwnd, int dpi, POINT topLeft);
    void paint(HWND hwnd);

    MessageSink post_;
    SessionEndHandler onSessionEnd_;
    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    int scale_ = 1;
    const PixelImage* image_ = nullptr;
};

}  // namespace gfx
