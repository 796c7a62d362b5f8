// The private vehicle kinds; each marks its destination with a "P".
#pragma once

#include "vehicles/library_names.h"
#include "vehicles/vehicle.h"

class Car : public Vehicle {
public:
    // Draws its body colour after the target.
    Car();
    ~Car() override = default;
    void draw(Display& display) override;
    ColorIndex bodyColour() const { return bodyColour_; }

private:
    ColorIndex bodyColour_;
};

class YellowCar : public Vehicle {
public:
    ~YellowCar() override = default;
    void draw(Display& display) override;
};

class Motorcycle : public Vehicle {
public:
    // Draws its body colour after the target.
    Motorcycle();
    ~Motorcycle() override = default;
    void draw(Display& display) override;
    ColorIndex bodyColour() const { return bodyColour_; }

private:
    ColorIndex bodyColour_;
};
