// The Qt 6 back end: two top-level windows, the 100 ms timer, the off-screen image.
#pragma once

#include <QTimer>
#include <memory>

#include "gfx/core/backend.h"
#include "gfx/qt/graphics_window.h"
#include "gfx/qt/message_queue.h"
#include "gfx/qt/renderer.h"
#include "gfx/qt/text_window.h"

namespace gfx {

class QtBackend : public Backend {
public:
    static constexpr int TimerPeriodMs = 100;

    QtBackend();
    ~QtBackend() override;

    void open(int showMode, int& clientWidth, int& clientHeight) override;
    bool takeMessage(Message& message) override;
    void waitForMessage() override;
    void showImage() override;
    void render(const ShapeRecord& record, int centreX, int centreY) override;
    void clearImage() override { renderer_.clear(); }
    void setMenuCheck(int id, bool checked) override;
    void textAppended(const std::string& line) override;
    void showTextWindow() override;
    bool runInputDialog(const std::string& prompt, std::string& reply) override;
    std::time_t calendarTime() override;

    GraphicsWindow* graphicsWindow() const { return graphics_.get(); }
    TextWindow* textWindow() const { return text_.get(); }
    const Renderer& renderer() const { return renderer_; }

private:
    Renderer renderer_;
    MessageQueue queue_;
    std::unique_ptr<GraphicsWindow> graphics_;
    std::unique_ptr<TextWindow> text_;
    QTimer timer_;
};

}  // namespace gfx
