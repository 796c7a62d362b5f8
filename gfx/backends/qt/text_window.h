// The "DROVA Text" window: the last 25 library lines, newest at the bottom.
#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>

#include "gfx/backends/qt/message_sink.h"
#include "gfx/core/text_history.h"

namespace gfx {

class TextWindow : public QWidget {
public:
    explicit TextWindow(const MessageSink& post);
    static constexpr int LeftMargin = 5;

    // Shows the library's history of lines, now and on every repaint until the next call.
    void showHistory(const TextHistory& history);

    // Keeps the whole window, frame and decorations included, at outer: the frame is
    // known only once a window manager has framed the window, so it is fitted again
    // whenever the window moves, resizes or is shown.
    void placeFrame(const QRect& outer);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fitFrame();

    const TextHistory* history_ = nullptr;
    QRect outer_;
    QMargins fittedMargins_{-1, -1, -1, -1};
    static constexpr int MaxFitTries = 3;
    int fitTries_ = 0;
    MessageSink post_;
};

}  // namespace gfx
