#include "gfx/backends/qt/ending_guard.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>
#include <cstdlib>

#include "gfx/core/script.h"

namespace gfx {

namespace {

constexpr int HandledSignals[] = {SIGTERM, SIGHUP, SIGINT};
int signalPipe[2] = {-1, -1};

// Only what is safe in a signal handler: the work is done by the event loop.
extern "C" void forwardSignal(int signal) {
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[1], &number, 1);
}

}  // namespace

EndingGuard::EndingGuard() {
    std::atexit(saveRecordingAtEnd);
    if (pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &EndingGuard::onSignal);
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : HandledSignals) sigaction(s, &action, nullptr);
}

EndingGuard::~EndingGuard() {
    for (int s : HandledSignals) std::signal(s, SIG_DFL);
}

void EndingGuard::onSignal() {
    unsigned char number = 0;
    if (::read(signalPipe[0], &number, 1) != 1) return;
    saveRecordingAtEnd();
    // End as the signal ends a program, so the caller sees the usual status.
    std::signal(number, SIG_DFL);
    std::raise(number);
}

}  // namespace gfx
