#include "traffic/traffic_light.h"

#include "vehicles/library_names.h"
#include "vehicles/shapes.h"

using namespace shapes;

void TrafficLight::update(int& tick, int) {
    // East-west stops only on the very tick that is a multiple of 84; north-south
    // stops from each other multiple of 87 until the next multiple of 84.
    if (tick % 84 == 0) {
        northSouthStop_ = false;
        eastWestStop_ = true;
    } else {
        if (tick % 87 == 0) northSouthStop_ = true;
        eastWestStop_ = false;
    }
}

bool TrafficLight::mustStop(Direction d) const {
    return (d == North || d == South) ? northSouthStop_ : eastWestStop_;
}

void TrafficLight::draw(Display& display) {
    // Only the north-south flag is shown; the horizontal pair shows its opposite.
    const int x = position_.x();
    const int y = position_.y();
    const bool stop = northSouthStop_;
    drawCircle(display, Point(x + 15, y + 5), lampRadius, stop ? Gray50 : Green);
    drawCircle(display, Point(x + 15, y - 5), lampRadius, stop ? Red : Gray50);
    drawCircle(display, Point(x - 5, y), lampRadius, stop ? Green : Gray50);
    drawCircle(display, Point(x + 5, y), lampRadius, stop ? Gray50 : Red);
}
