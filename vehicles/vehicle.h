// The base of the eight vehicle kinds: where a vehicle is, which way it heads
// and where it wants to go.
#pragma once

#include "traffic/town_object.h"
#include "vehicles/geometry.h"

class Vehicle : public TownObject {
public:
    // Draws the target's x, then its y, from the one generator.
    Vehicle();
    ~Vehicle() override = default;
    Vehicle(const Vehicle&) = delete;
    Vehicle& operator=(const Vehicle&) = delete;

    void draw(Display& display) override = 0;
    void update(int& tick, int trafficMode) override;
    virtual void advance(int distance);
    virtual void setHeading(Direction heading);
    virtual void setPosition(Point position);
    virtual Point position() const;
    virtual Direction heading() const;
    virtual Point target() const;
    virtual void setTarget(Point target);

    // Whole-number distance from the position to p; beyond the int range it
    // saturates at the largest int.
    int distanceTo(Point p) const;

    static constexpr int targetXRange = 240;
    static constexpr int targetYRange = 210;

protected:
    // A point of the North-facing shape, turned about the position by the heading.
    Point turned(int dx, int dy) const;
    // A point of the shape that keeps its place whatever the heading.
    Point fixed(int dx, int dy) const;
    // A point of the destination marker.
    Point atTarget(int dx, int dy) const;

private:
    Point position_;
    Direction heading_ = North;  // the first lane sets the real one
    Point target_;
};
