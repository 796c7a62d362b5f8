#include "gfx/backends/qt/destroy_watch.h"

#include <xcb/xcb.h>

#include <QCoreApplication>

namespace gfx {

DestroyWatch::DestroyWatch(unsigned long windowId, std::function<void()> onDestroyed)
    : windowId_(windowId), onDestroyed_(std::move(onDestroyed)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

DestroyWatch::~DestroyWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool DestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (destroyed->window == windowId_ && onDestroyed_) onDestroyed_();
    return false;  // Qt still sees it
}

}  // namespace gfx
