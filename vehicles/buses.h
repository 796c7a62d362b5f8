// The long vehicle kinds, labelled at their destination.
#pragma once

#include "vehicles/library_names.h"
#include "vehicles/vehicle.h"

class SchoolBus : public Vehicle {
public:
    ~SchoolBus() override = default;
    void draw(Display& display) override;
};

class MetroBus : public Vehicle {
public:
    // Draws its body colour after the target.
    MetroBus();
    ~MetroBus() override = default;
    void draw(Display& display) override;
    ColorIndex bodyColour() const { return bodyColour_; }

private:
    ColorIndex bodyColour_;
};
