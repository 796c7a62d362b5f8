#include "gfx/backends/qt/graphics_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include "gfx/backends/qt/key_translation.h"
#include "gfx/core/client_area.h"
#include "gfx/core/menu_items.h"

namespace gfx {

Canvas::Canvas(const MessageSink& post, QWidget* parent) : QWidget(parent), post_(post) {
    setFixedSize(ClientWidth, ClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::present(const PixelImage& image) {
    if (image_ != &image) {
        static_assert(sizeof(std::uint32_t) == 4);
        image_ = &image;
        // Each pixel is 0xFFRRGGBB, as Format_RGB32 reads it.
        shown_ = QImage(reinterpret_cast<const uchar*>(image.data()), PixelImage::Width,
                        PixelImage::Height, PixelImage::Width * 4, QImage::Format_RGB32);
    }
    update();
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (shown_.isNull())
        p.fillRect(rect(), Qt::white);  // as the image starts
    else
        p.drawImage(0, 0, shown_);
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    post_(Message::leftClick(pos.x(), pos.y()));
}

void Canvas::resizeEvent(QResizeEvent*) {
    post_(Message::size(width(), height()));
}

void postKeyPress(const MessageSink& post, QKeyEvent* event) {
    post(Message::keyDown(keyCodeOf(*event)));
    if (auto c = typedCharacter(*event)) post(Message::typed(*c));
}

void postKeyRelease(const MessageSink& post, QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    post(Message::keyUp(keyCodeOf(*event)));
}

GraphicsWindow::GraphicsWindow(const MessageSink& post)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      post_(post) {
    canvas_ = new Canvas(post, this);
    setCentralWidget(canvas_);
    buildMenu();
    setFocusPolicy(Qt::StrongFocus);
    adjustSize();
    setFixedSize(sizeHint());
    move(0, 0);
}

void GraphicsWindow::buildMenu() {
    QMenu* run = menuBar()->addMenu(QString::fromLatin1(RunMenuTitle));
    for (const MenuItem& item : runMenuItems()) {
        if (!item.text) {
            run->addSeparator();
            continue;
        }
        // The text after the tab is shown as the shortcut label; the shortcuts
        // themselves are handled by the library with the Ctrl key state, like any key.
        QAction* action = run->addAction(QString::fromLatin1(menuLabel(item).c_str()));
        action->setEnabled(!item.greyed);
        if (item.checkable) {
            action->setCheckable(true);
            action->setChecked(item.checked);
        }
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] { post_(Message::command(id)); });
        if (!item.greyed) actions_[id] = action;
    }
}

void GraphicsWindow::setMenuCheck(int id, bool checked) {
    if (QAction* a = menuAction(id)) a->setChecked(checked);
}

QAction* GraphicsWindow::menuAction(int id) const {
    auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void GraphicsWindow::keyPressEvent(QKeyEvent* event) {
    postKeyPress(post_, event);
}
void GraphicsWindow::keyReleaseEvent(QKeyEvent* event) {
    postKeyRelease(post_, event);
}

void GraphicsWindow::closeEvent(QCloseEvent* event) {
    // Closing asks the application to quit; the window stays until the process ends.
    event->ignore();
    post_(Message::quit());
}

}  // namespace gfx
