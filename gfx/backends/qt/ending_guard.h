// Keeps a recording when the program ends by other means than Quit: a termination
// signal (logout, Ctrl+C, kill), or the X connection lost (the server gone, xkill),
// on which Qt calls exit().
#pragma once

#include <QObject>

class QSocketNotifier;

namespace gfx {

class EndingGuard : public QObject {
public:
    EndingGuard();
    ~EndingGuard() override;

private:
    void onSignal();

    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace gfx
