#include "vehicles/cars.h"

#include <array>

#include "vehicles/shapes.h"

using namespace shapes;

namespace {
constexpr std::array<ColorIndex, 4> carColours{Red, Turquoise, Black, NavyBlue};
constexpr std::array<ColorIndex, 4> motorcycleColours{Magenta, SeaGreen, DustyPlum, Orange};
}  // namespace

Car::Car() : bodyColour_(carColours[randomInRange(1, 4) - 1]) {}

void Car::draw(Display& display) {
    drawOval(display, turned(-4, 8), turned(4, -7), bodyColour_, 0);
    drawCircle(display, turned(-3, 7), 1, Yellow);
    drawCircle(display, turned(3, 7), 1, Yellow);
    drawText(display, atTarget(-4, -9), "P", White, 14);
}

void YellowCar::draw(Display& display) {
    // The body square is centred on the position, so only the front wedge turns.
    drawRectangle(display, fixed(-5, -5), fixed(5, 5), Yellow, 0);
    drawTriangle(display, turned(-5, 5), turned(5, 5), turned(0, 10), Red, 0);
    drawText(display, atTarget(-5, -10), "P", Red, 16);
}

Motorcycle::Motorcycle() : bodyColour_(motorcycleColours[randomInRange(1, 4) - 1]) {}

void Motorcycle::draw(Display& display) {
    drawOval(display, turned(-2, 9), turned(2, -6), bodyColour_, 0);
    drawLine(display, turned(-5, 5), turned(5, 5), bodyColour_, 2);  // handlebar
    drawCircle(display, turned(0, 9), 1, Yellow);
    drawText(display, atTarget(-3, -9), "P", White, 14);
}
