// The application's state and its event loop: one event, one reaction, one repaint.
#pragma once

#include "traffic/town.h"
#include "vehicles/library_names.h"

// The flying helicopter: body centre, colour, and how often it has been relaunched.
struct Helicopter {
    int x = 0;
    int y = 0;
    int colour = 0;
    int flightCount = 0;
};

class MainLoop {
public:
    MainLoop(Display& display, Town& town, const Helicopter& helicopter = {});

    // Reacts to one event; returns false once a quit has been seen.
    bool react(EventKind kind, int x, int y);
    void repaint();

    int tick() const { return tick_; }
    int trafficMode() const { return trafficMode_; }
    Helicopter& helicopter() { return helicopter_; }

private:
    Display& display_;
    Town& town_;
    bool quit_ = false;
    int tick_ = 0;
    int trafficMode_ = 1;  // Light at start
    Helicopter helicopter_;
};
