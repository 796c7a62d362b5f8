#include "vehicles/emergency_vehicles.h"

#include <initializer_list>

#include "vehicles/shapes.h"

using namespace shapes;

void Ambulance::update(int& tick, int) {
    // The first matching divisor wins; other ticks keep the current colours.
    if (tick % 3 == 0) {
        beaconColour_ = Yellow;
        crossColour_ = Red;
    } else if (tick % 4 == 0) {
        beaconColour_ = Blue;
        crossColour_ = White;
    } else if (tick % 7 == 0) {
        beaconColour_ = Red;
    }
}

void Ambulance::draw(Display& display) {
    drawRectangle(display, turned(-5, 6), turned(5, 14), White, 0);  // cab
    drawRectangle(display, turned(-5, 6), turned(5, 14), Black, 1);
    drawRectangle(display, fixed(-6, -6), fixed(6, 6), White, 0);  // body
    drawRectangle(display, fixed(-6, -6), fixed(6, 6), Black, 1);
    drawCircle(display, turned(0, 10), 2, beaconColour_);
    drawRectangle(display, fixed(-5, -2), fixed(5, 2), crossColour_, 0);
    drawRectangle(display, fixed(-2, -5), fixed(2, 5), crossColour_, 0);
    drawRectangle(display, atTarget(-10, 10), atTarget(10, -10), Green, 0);
    drawText(display, atTarget(-5, -10), "H", beaconColour_, 16);
}

void FireTruck::update(int& tick, int) {
    if (tick % 3 == 0) {
        beaconColour_ = Yellow;
    } else if (tick % 4 == 0) {
        beaconColour_ = Blue;
    } else if (tick % 7 == 0) {
        beaconColour_ = White;
    }
}

void FireTruck::draw(Display& display) {
    drawRectangle(display, turned(-4, 7), turned(4, 13), Red, 0);   // cab
    drawRectangle(display, turned(-5, 6), turned(5, -12), Red, 0);  // body
    drawCircle(display, turned(0, 10), 2, beaconColour_);
    // The ladder: two rails and four rungs.
    drawLine(display, turned(-3, 5), turned(-3, -10), Black, 1);
    drawLine(display, turned(3, 5), turned(3, -10), Black, 1);
    for (int rungY : {3, 0, -3, -6})
        drawLine(display, turned(-3, rungY), turned(3, rungY), Black, 1);
    drawRectangle(display, atTarget(-12, 10), atTarget(12, -10), Green, 0);
    drawText(display, atTarget(-10, -7), "Fire", Red, 12);
    drawRectangle(display, atTarget(-14, 12), atTarget(14, -12), beaconColour_, 3);
}

void PoliceCar::update(int& tick, int) {
    if (tick % 3 == 0) {
        lightColour_ = Yellow;
    } else if (tick % 4 == 0) {
        lightColour_ = Blue;
    } else if (tick % 7 == 0) {
        lightColour_ = Red;
    }
}

void PoliceCar::draw(Display& display) {
    drawRectangle(display, turned(-5, 8), turned(5, -7), Black, 0);
    drawRectangle(display, fixed(-3, -3), fixed(3, 3), White, 0);  // roof
    drawCircle(display, fixed(0, 0), 2, lightColour_);
    drawRectangle(display, atTarget(-10, 10), atTarget(10, -10), IceBlue, 0);
    drawText(display, atTarget(-10, -5), "Police", Red, 8);
    drawRectangle(display, atTarget(-12, 12), atTarget(12, -12), lightColour_, 3);
}
