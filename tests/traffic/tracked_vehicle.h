// A vehicle for traffic tests: a chosen target, and counters of its own
// updates and of its deletion.
#pragma once

#include "vehicles/cars.h"

class TrackedVehicle : public YellowCar {
public:
    explicit TrackedVehicle(Point target, int* deletions = nullptr) : deletions_(deletions) {
        setTarget(target);
    }
    ~TrackedVehicle() override {
        if (deletions_) ++*deletions_;
    }
    void update(int& tick, int trafficMode) override {
        ++updates;
        YellowCar::update(tick, trafficMode);
    }
    int updates = 0;

private:
    int* deletions_;
};

// Far from every lane used in the tests, so that nothing arrives or turns off.
inline const Point farAway(1000, -1000);
