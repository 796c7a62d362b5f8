#include "gfx/qt/graphics_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>

#include "gfx/core/menu_items.h"
#include "gfx/qt/key_translation.h"

namespace gfx {

Canvas::Canvas(const Renderer& renderer, MessageQueue& queue, QWidget* parent)
    : QWidget(parent), renderer_(renderer), queue_(queue) {
    setFixedSize(GraphicsWindow::ClientWidth, GraphicsWindow::ClientHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Canvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, renderer_.image());
}

void Canvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint pos = event->position().toPoint();
    queue_.post({MessageKind::LeftClick, pos.x(), pos.y()});
}

void Canvas::resizeEvent(QResizeEvent*) {
    queue_.post({MessageKind::Size, width(), height()});
}

void postKeyPress(MessageQueue& queue, QKeyEvent* event) {
    queue.post({MessageKind::KeyDown, keyCodeOf(*event)});
    if (auto c = typedCharacter(*event)) queue.post({MessageKind::Character, *c});
}

void postKeyRelease(MessageQueue& queue, QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    queue.post({MessageKind::KeyUp, keyCodeOf(*event)});
}

GraphicsWindow::GraphicsWindow(const Renderer& renderer, MessageQueue& queue)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      queue_(queue) {
    setWindowTitle(QStringLiteral("DROVA Graphics"));
    setObjectName(QStringLiteral("DrawWndClass"));
    canvas_ = new Canvas(renderer, queue, this);
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
        // themselves are handled with the Ctrl key state, like any key.
        QAction* action = run->addAction(QString::fromLatin1(item.text));
        action->setEnabled(!item.greyed);
        if (item.id == MenuId::Logging || item.id == MenuId::RecordScript ||
            item.id == MenuId::PlaybackScript) {
            action->setCheckable(true);
            action->setChecked(item.checked);
        }
        const int id = item.id;
        connect(action, &QAction::triggered, this, [this, id] {
            queue_.post({MessageKind::Command, id});
        });
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
    postKeyPress(queue_, event);
}
void GraphicsWindow::keyReleaseEvent(QKeyEvent* event) {
    postKeyRelease(queue_, event);
}

void GraphicsWindow::closeEvent(QCloseEvent* event) {
    // Closing asks the application to quit; the window stays until the process ends.
    event->ignore();
    queue_.post({MessageKind::Quit});
}

}  // namespace gfx
