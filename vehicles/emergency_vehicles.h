// The emergency kinds: lights that flash with the town's frame counter and a
// station marker at the destination.
#pragma once

#include "vehicles/library_names.h"
#include "vehicles/vehicle.h"

class Ambulance : public Vehicle {
public:
    ~Ambulance() override = default;
    void draw(Display& display) override;
    void update(int& tick, int trafficMode) override;
    ColorIndex beaconColour() const { return beaconColour_; }
    ColorIndex crossColour() const { return crossColour_; }

private:
    ColorIndex beaconColour_ = 4;  // blue
    ColorIndex crossColour_ = 1;   // white
};

class FireTruck : public Vehicle {
public:
    ~FireTruck() override = default;
    void draw(Display& display) override;
    void update(int& tick, int trafficMode) override;
    ColorIndex beaconColour() const { return beaconColour_; }

private:
    ColorIndex beaconColour_ = 4;  // blue
};

class PoliceCar : public Vehicle {
public:
    ~PoliceCar() override = default;
    void draw(Display& display) override;
    void update(int& tick, int trafficMode) override;
    ColorIndex lightColour() const { return lightColour_; }

private:
    ColorIndex lightColour_ = 2;  // red
};
