#include "vehicles/geometry.h"

#include <cmath>

namespace {

// Plain 32-bit arithmetic that wraps like the machine does instead of being undefined.
int wrappingAdd(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
int wrappingSub(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

// Wide enough for the exact sum of two squared 32-bit differences.
__extension__ typedef unsigned __int128 Wide;

}  // namespace

bool isValidDirection(int d) {
    return d >= North && d <= West;
}

Direction opposite(Direction d) {
    return isValidDirection(d) ? (d + 2) % 4 : North;
}

Direction nextClockwise(Direction d) {
    return isValidDirection(d) ? (d + 1) % 4 : North;
}

void Point::advance(Direction d, int distance) {
    switch (d) {
        case North:
            y_ = wrappingAdd(y_, distance);
            break;
        case East:
            x_ = wrappingAdd(x_, distance);
            break;
        case South:
            y_ = wrappingSub(y_, distance);
            break;
        case West:
            x_ = wrappingSub(x_, distance);
            break;
        default:
            break;
    }
}

Point& Point::rotateAbout(int pivotX, int pivotY, Direction d) {
    if (!isValidDirection(d)) return *this;  // would never reach the counter otherwise
    int dx = wrappingSub(x_, pivotX);
    int dy = wrappingSub(y_, pivotY);
    for (Direction turned = North; turned != d; turned = nextClockwise(turned)) {
        const int oldDx = dx;
        dx = dy;
        dy = wrappingSub(0, oldDx);
    }
    x_ = wrappingAdd(pivotX, dx);
    y_ = wrappingAdd(pivotY, dy);
    return *this;
}

std::int64_t wholeDistance(Point a, Point b) {
    const std::int64_t dx = std::int64_t{a.x()} - b.x();
    const std::int64_t dy = std::int64_t{a.y()} - b.y();
    const double ddx = static_cast<double>(dx);
    const double ddy = static_cast<double>(dy);
    std::int64_t root = static_cast<std::int64_t>(std::sqrt(ddx * ddx + ddy * ddy));

    // The double sum can be off by a few units at this size; settle on the exact root.
    const std::uint64_t ux = static_cast<std::uint64_t>(dx < 0 ? -dx : dx);
    const std::uint64_t uy = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
    const Wide sum = Wide{ux} * ux + Wide{uy} * uy;
    auto square = [](std::int64_t r) { return Wide{static_cast<std::uint64_t>(r)} * r; };
    while (root > 0 && square(root) > sum) --root;
    while (square(root + 1) <= sum) ++root;
    return root;
}
