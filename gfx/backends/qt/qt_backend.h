// The Qt 6 back end: the desktop program's windows.
//
// Platform: Qt Widgets on X11 (or any platform plugin Qt has). The "DROVA Graphics"
// window with the "&Run" menu and the fixed client area, the "DROVA Text" window, a
// QTimer of the library's tick and the modal "DROVA_gets" dialog, titled after the
// program when it names itself, with its icon; waiting blocks in Qt's
// event loop, so a halted program uses no CPU.
// Cannot: resize the graphics window (its client size is fixed).
// Depends on: Qt 6 Core, Gui and Widgets.
#pragma once

#include <QTimer>
#include <memory>

#include "gfx/backends/qt/destroy_watch.h"
#include "gfx/backends/qt/graphics_window.h"
#include "gfx/backends/qt/text_window.h"
#include "gfx/core/backend.h"

namespace gfx {

class QtBackend : public Backend {
public:
    QtBackend();
    ~QtBackend() override;

    void open(int showMode) override;
    void poll() override;
    void waitForMessage(bool tickAwaited) override;
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

    MessageSink sink_;
    Identity identity_ = identityNamed("");
    std::unique_ptr<GraphicsWindow> graphics_;
    std::unique_ptr<TextWindow> text_;
    QTimer timer_;
    std::unique_ptr<DestroyWatch> destroyWatch_;
};

}  // namespace gfx
