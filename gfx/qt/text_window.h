// The "DROVA Text" window: the last 25 library lines, newest at the bottom.
#pragma once

#include <QWidget>

#include "gfx/core/text_history.h"
#include "gfx/qt/message_queue.h"

namespace gfx {

class TextWindow : public QWidget {
public:
    TextWindow(const TextHistory& history, MessageQueue& queue);
    static constexpr int LeftMargin = 5;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const TextHistory& history_;
    MessageQueue& queue_;
};

}  // namespace gfx
