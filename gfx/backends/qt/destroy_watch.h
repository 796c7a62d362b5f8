// Tells when another program destroys a window of ours (for example with
// "xdotool windowclose"): Qt itself would carry on as if the window were there.
#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

namespace gfx {

class DestroyWatch : public QAbstractNativeEventFilter {
public:
    DestroyWatch(unsigned long windowId, std::function<void()> onDestroyed);
    ~DestroyWatch() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    unsigned long windowId_;
    std::function<void()> onDestroyed_;
};

}  // namespace gfx
