#include "gfx/qt/qt_backend.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include "gfx/core/state.h"
#include "gfx/qt/input_dialog.h"

namespace gfx {

QtBackend::QtBackend() {
    timer_.setInterval(TimerPeriodMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { queue_.post({MessageKind::Timer}); });
    // A Ctrl key released while another program has the focus is never seen: when the
    // program loses the focus, count Ctrl as released so typing works on return.
    // The timer is the connection's context: it ends with this back end.
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, &timer_,
                     [this](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive)
                             queue_.post({MessageKind::KeyUp, KeyCode::Control});
                     });
}

QtBackend::~QtBackend() = default;

void QtBackend::open(int showMode, int& clientWidth, int& clientHeight) {
    graphics_ = std::make_unique<GraphicsWindow>(renderer_, queue_);
    text_ = std::make_unique<TextWindow>(state().history, queue_);

    // A strip across the bottom third of the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int w = screen.width(), h = screen.height();
    text_->move(0, (2 * h) / 3 + 1);
    text_->resize(w, h / 3);

    if (showMode != 0) {
        text_->show();
        graphics_->show();
        graphics_->activateWindow();
        graphics_->raise();
    }
    clientWidth = graphics_->canvas()->width();
    clientHeight = graphics_->canvas()->height();
    timer_.start();
}

bool QtBackend::takeMessage(Message& message) {
    if (queue_.empty()) QCoreApplication::processEvents(QEventLoop::AllEvents);
    return queue_.take(message);
}

void QtBackend::waitForMessage() {
    while (queue_.empty()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtBackend::showImage() {
    if (graphics_) graphics_->canvas()->update();
}

void QtBackend::render(const ShapeRecord& record, int centreX, int centreY) {
    renderer_.render(record, centreX, centreY);
}

void QtBackend::setMenuCheck(int id, bool checked) {
    if (graphics_) graphics_->setMenuCheck(id, checked);
}

void QtBackend::textAppended(const std::string&) {
    if (text_) text_->update();  // coalesced: one repaint however many lines arrive
}

void QtBackend::showTextWindow() {
    if (text_ && !text_->isVisible()) text_->show();
}

bool QtBackend::runInputDialog(const std::string& prompt, std::string& reply) {
    InputDialog dialog(prompt, graphics_.get());
    if (dialog.exec() != 1) return false;
    reply = dialog.reply();
    return true;
}

std::time_t QtBackend::calendarTime() {
    return std::time(nullptr);
}

}  // namespace gfx
