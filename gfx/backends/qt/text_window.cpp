#include "gfx/backends/qt/text_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include "gfx/backends/qt/graphics_window.h"

namespace gfx {

TextWindow::TextWindow(const MessageSink& post) : QWidget(nullptr), post_(post) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setFocusPolicy(Qt::StrongFocus);
}

void TextWindow::showHistory(const TextHistory& history) {
    history_ = &history;
    update();  // coalesced: one repaint however many lines arrive
}

void TextWindow::placeFrame(const QRect& outer) {
    outer_ = outer;
    fittedMargins_ = QMargins(-1, -1, -1, -1);
    fitTries_ = 0;
    fitFrame();
}

void TextWindow::fitFrame() {
    if (outer_.isNull()) return;
    const QRect frame = frameGeometry(), client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    // Give up after a few tries for one set of margins: a window manager may refuse.
    if (margins != fittedMargins_)
        fitTries_ = 0;
    else if (frame == outer_ || fitTries_ >= MaxFitTries)
        return;
    ++fitTries_;
    fittedMargins_ = margins;
    resize(outer_.width() - margins.left() - margins.right(),
           outer_.height() - margins.top() - margins.bottom());
    move(outer_.topLeft());  // a top-level window's position is its frame's
}

bool TextWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            fitFrame();
            break;
        default:
            break;
    }
    return handled;
}

void TextWindow::paintEvent(QPaintEvent*) {
    // Painted from the history, so a burst of lines costs one repaint.
    if (!history_) return;
    QPainter p(this);
    const QFontMetrics m(font());
    const int lineHeight = m.height() + m.leading();
    int y = height() - lineHeight;
    const auto lines = history_->lines();
    for (auto it = lines.rbegin(); it != lines.rend() && y + lineHeight > 0; ++it) {
        std::string text = *it;
        if (!text.empty() && text.back() == '\n') text.pop_back();  // only the last line end
        p.drawText(LeftMargin, y + m.ascent(), QString::fromLatin1(text.c_str()));
        y -= lineHeight;
    }
}

void TextWindow::keyPressEvent(QKeyEvent* event) {
    postKeyPress(post_, event);
}
void TextWindow::keyReleaseEvent(QKeyEvent* event) {
    postKeyRelease(post_, event);
}

void TextWindow::closeEvent(QCloseEvent* event) {
    // Closing only hides the window: its lines stay in the library's history, and
    // turning the log on shows the window again with them.
    event->accept();
}

}  // namespace gfx
