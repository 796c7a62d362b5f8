#include "vehicles/vehicle.h"

#include <algorithm>
#include <limits>

Vehicle::Vehicle() {
    // x is drawn before y: the order of draws is part of a seeded run.
    const int x = randomInRange(-targetXRange, targetXRange);
    const int y = randomInRange(-targetYRange, targetYRange);
    setTarget(Point(x, y));
}

void Vehicle::update(int&, int) {}

void Vehicle::advance(int distance) {
    position_.advance(heading_, distance);
}

void Vehicle::setHeading(Direction heading) {
    heading_ = heading;
}

void Vehicle::setPosition(Point position) {
    position_ = position;
}

Point Vehicle::position() const {
    return position_;
}

Direction Vehicle::heading() const {
    return heading_;
}

Point Vehicle::target() const {
    return target_;
}

void Vehicle::setTarget(Point target) {
    target_ = target;
}

int Vehicle::distanceTo(Point p) const {
    const std::int64_t d = wholeDistance(position_, p);
    constexpr std::int64_t largest = std::numeric_limits<int>::max();
    return static_cast<int>(std::min(d, largest));
}

Point Vehicle::turned(int dx, int dy) const {
    Point p = fixed(dx, dy);
    return p.rotateAbout(position_.x(), position_.y(), heading_);
}

Point Vehicle::fixed(int dx, int dy) const {
    return Point(position_.x() + dx, position_.y() + dy);
}

Point Vehicle::atTarget(int dx, int dy) const {
    return Point(target_.x() + dx, target_.y() + dy);
}
