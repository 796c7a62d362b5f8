#include "app/main_loop.h"

#include "app/helicopter.h"
#include "app/scenery.h"
#include "app/traffic_buttons.h"
#include "vehicles/library_names.h"

MainLoop::MainLoop(Display& display, Town& town, const Helicopter& helicopter)
    : display_(display), town_(town), helicopter_(helicopter) {}

bool MainLoop::react(EventKind kind, int x, int y) {
    switch (kind) {
        case EventKind::Mouse:
            // Every click replaces the mode, also a click beside the buttons.
            display_.clear(palette::White);
            trafficMode_ = selectTrafficMode(display_, x, y);
            break;
        case EventKind::Periodic:
            ++tick_;
            town_.update(tick_, trafficMode_);
            moveHelicopter(helicopter_.x, helicopter_.y, helicopter_.flightCount,
                           helicopter_.colour, tick_);
            drawHelicopter(display_, helicopter_.x, helicopter_.y, helicopter_.colour);
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
    drawLawns(display_);
    drawPark(display_);
    drawLandmarks(display_);
    town_.draw(display_);
    drawHelicopter(display_, helicopter_.x, helicopter_.y, helicopter_.colour);
    drawTrafficButtons(display_);
    drawTitle(display_);
    if (trafficMode_ == Heavy || trafficMode_ == Light)
        highlightTrafficButton(display_, trafficMode_);
}
