#include "gfx/backends/qt/qt_backend.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QScreen>

#include "gfx/backends/qt/input_dialog.h"

namespace gfx {

QtBackend::QtBackend() : sink_([this](const Message& m) { post(m); }) {
    timer_.setInterval(TickMilliseconds);
    QObject::connect(&timer_, &QTimer::timeout, [this] { post(Message::timer()); });
    // A Ctrl key released while another program has the focus is never seen: when the
    // program loses the focus, count Ctrl as released so typing works on return.
    // The timer is the connection's context: it ends with this back end.
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, &timer_,
                     [this](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive) post(Message::keyUp(KeyCode::Control));
                     });
}

QtBackend::~QtBackend() = default;

void QtBackend::open(int showMode) {
    graphics_ = std::make_unique<GraphicsWindow>(sink_);
    text_ = std::make_unique<TextWindow>(sink_);

    // A strip across the bottom third of the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int w = screen.width(), h = screen.height();
    text_->placeFrame(QRect(0, (2 * h) / 3 + 1, w, h / 3));
    showIdentity();

    if (showMode != 0) {
        text_->show();
        graphics_->show();
        graphics_->activateWindow();
        graphics_->raise();
    }
    // Destroyed by another program, the graphics window asks to quit, as when closed.
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        destroyWatch_ =
            std::make_unique<DestroyWatch>(graphics_->winId(), [this] { post(Message::quit()); });
    timer_.start();
}

void QtBackend::poll() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtBackend::waitForMessage(bool) {
    while (!hasMessages()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtBackend::present(const PixelImage& image) {
    if (graphics_) graphics_->canvas()->present(image);
}

void QtBackend::setMenuCheck(int id, bool checked) {
    if (graphics_) graphics_->setMenuCheck(id, checked);
}

void QtBackend::textAppended(const TextHistory& history) {
    if (text_) text_->showHistory(history);
}

void QtBackend::showTextWindow() {
    if (text_ && !text_->isVisible()) text_->show();
}

bool QtBackend::runInputDialog(const std::string& prompt, std::string& reply) {
    InputDialog dialog(prompt, graphics_.get());
    dialog.setWindowTitle(QString::fromStdString(identity_.dialogTitle));
    if (dialog.exec() != 1) return false;
    reply = dialog.reply();
    return true;
}

std::time_t QtBackend::calendarTime() {
    return std::time(nullptr);
}

bool QtBackend::setIdentity(const Identity& identity) {
    identity_ = identity;
    bool iconRead = true;
    if (!identity.iconPath.empty()) {
        const QString path = QString::fromStdString(identity.iconPath);
        iconRead = QImageReader(path).canRead();
        // Every window without an icon of its own shows the program's: both windows
        // and the dialog.
        if (iconRead) QApplication::setWindowIcon(QIcon(path));
    }
    showIdentity();
    return iconRead;
}

void QtBackend::showIdentity() {
    if (graphics_) graphics_->setWindowTitle(QString::fromStdString(identity_.graphicsTitle));
    if (text_) text_->setWindowTitle(QString::fromStdString(identity_.textTitle));
}

}  // namespace gfx
