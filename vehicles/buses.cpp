#include "vehicles/buses.h"

#include <array>
#include <initializer_list>

#include "vehicles/shapes.h"

using namespace shapes;

namespace {
constexpr std::array<ColorIndex, 4> metroColours{ForestGreen, Gold, Orange, Blue};
}  // namespace

void SchoolBus::draw(Display& display) {
    drawRectangle(display, turned(-4, 7), turned(4, 11), Peach, 0);   // bonnet
    drawRectangle(display, turned(-5, 6), turned(5, -12), Peach, 0);  // body
    drawCircle(display, turned(-3, 11), 1, Yellow);
    drawCircle(display, turned(3, 11), 1, Yellow);
    drawText(display, atTarget(-15, -7), "School", Black, 10);
}

MetroBus::MetroBus() : bodyColour_(metroColours[randomInRange(1, 4) - 1]) {}

void MetroBus::draw(Display& display) {
    drawRectangle(display, turned(-5, 13), turned(5, -12), bodyColour_, 0);
    drawCircle(display, turned(-3, 13), 1, Yellow);
    drawCircle(display, turned(3, 13), 1, Yellow);
    // Roof squares: only their centres turn, the 4 x 4 square is laid around them.
    for (int centreY : {6, -7}) {
        const Point c = turned(0, centreY);
        drawRectangle(display, Point(c.x() - 2, c.y() - 2), Point(c.x() + 2, c.y() + 2), White, 0);
    }
    drawText(display, atTarget(-12, -8), "Metro", Red, 11);
}
