// The "DROVA Text" window: the last 25 library lines, newest at the bottom.
#pragma once

#include <QWidget>
#include <string>

#include "gfx/core/text_history.h"
#include "gfx/qt/message_sink.h"

namespace gfx {

class TextWindow : public QWidget {
public:
    explicit TextWindow(const MessageSink& post);
    static constexpr int LeftMargin = 5;

    // A line the library wrote; the window keeps the last 25 to repaint itself.
    void append(const std::string& line);
    const TextHistory& history() const { return history_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TextHistory history_;
    MessageSink post_;
};

}  // namespace gfx
