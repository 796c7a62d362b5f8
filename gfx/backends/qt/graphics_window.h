// The "DROVA Graphics" window: the "&Run" menu and a fixed client area
// that shows the off-screen image and turns input into library messages.
#pragma once

#include <QAction>
#include <QImage>
#include <QMainWindow>
#include <map>

#include "gfx/backends/qt/message_sink.h"
#include "gfx/render/pixel_image.h"

namespace gfx {

class Canvas : public QWidget {
public:
    Canvas(const MessageSink& post, QWidget* parent);
    // Shows image from now on; the pixels are shown as they are, never copied.
    void present(const PixelImage& image);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    MessageSink post_;
    const PixelImage* image_ = nullptr;
    QImage shown_;
};

// Key presses and releases become messages wherever they reach, as in the graphics window.
void postKeyPress(const MessageSink& post, QKeyEvent* event);
void postKeyRelease(const MessageSink& post, QKeyEvent* event);

class GraphicsWindow : public QMainWindow {
public:
    explicit GraphicsWindow(const MessageSink& post);
    void setMenuCheck(int id, bool checked);
    QAction* menuAction(int id) const;
    Canvas* canvas() const { return canvas_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();

    MessageSink post_;
    Canvas* canvas_;
    std::map<int, QAction*> actions_;
};

}  // namespace gfx
