#include "app/main_loop.h"

#include "app/traffic_buttons.h"

MainLoop::MainLoop(Display& display, Town& town) : display_(display), town_(town) {}

bool MainLoop::react(EventKind kind, int x, int y) {
    switch (kind) {
        case EventKind::Mouse:
            // Every click replaces the mode, also a click beside the buttons.
            display_.clear(1);
            trafficMode_ = selectTrafficMode(display_, x, y);
            break;
        case EventKind::Periodic:
            ++tick_;
            town_.update(tick_, trafficMode_);
            break;
        case EventKind::Quit:
            quit_ = true;
            break;
        case EventKind::Keyboard:
        case EventKind::None:
            break;
    }
    return !quit_;
}

void MainLoop::repaint() {
    town_.draw(display_);
    drawTrafficButtons(display_);
    if (trafficMode_ == Heavy || trafficMode_ == Light)
        highlightTrafficButton(display_, trafficMode_);
}
