// The four-lamp signal at an intersection's centre, switched by the tick alone.
#pragma once

#include "traffic/town_object.h"
#include "vehicles/geometry.h"

class TrafficLight : public TownObject {
public:
    TrafficLight() = default;
    ~TrafficLight() override = default;

    void draw(Display& display) override;
    void update(int& tick, int trafficMode) override;

    void setPosition(Point p) { position_ = p; }
    Point position() const { return position_; }
    // North and South ask the north-south flag; every other value the east-west one.
    bool mustStop(Direction d) const;

    static constexpr int lampRadius = 3;

private:
    Point position_;
    bool northSouthStop_ = false;
    bool eastWestStop_ = true;
};
