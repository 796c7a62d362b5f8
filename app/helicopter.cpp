#include "app/helicopter.h"

#include "traffic/random_sequence.h"
#include "vehicles/library_names.h"

namespace {

using namespace palette;

constexpr int RotorWidth = 2;

// Offsets of a rotor line from the body centre.
struct RotorLine {
    int x1, y1, x2, y2;
};
struct RotorPose {
    RotorLine lines[2];
    int count;
};
constexpr RotorPose rotorPoses[3] = {
    {{{-16, 8, 17, -12}, {9, 13, -7, -18}}, 2},
    {{{17, 8, -16, -12}, {-7, 13, 9, -18}}, 2},
    {{{-19, -2, 20, -2}, {}}, 1},
};

// The flight ends strictly inside these bounds; outside them the helicopter is out of sight.
constexpr int HalfSpanX = 320;
constexpr int HalfSpanY = 280;
constexpr int RelaunchPeriod = 300;

}  // namespace

void drawHelicopter(Display& display, int x, int y, int colour) {
    display.drawOval(x - 6, y + 10, x + 6, y - 10, colour, 0);
    display.drawOval(x - 2, y - 5, x + 1, y - 27, colour, 0);
    display.drawLine(x - 3, y - 22, x + 1, y - 22, colour, 4);
    const RotorPose& pose = rotorPoses[nextRandom() % 3];
    for (int i = 0; i < pose.count; ++i) {
        const RotorLine& l = pose.lines[i];
        display.drawLine(x + l.x1, y + l.y1, x + l.x2, y + l.y2, Gray20, RotorWidth);
    }
    display.drawCircle(x - 1, y - 25, 1, nextRandom() % 2 == 0 ? Yellow : Red);
}

void launchHelicopter(int& x, int& y, int& colour) {
    x = nextRandom() % 541 - 270;
    y = -170;
    colour = nextRandom() % 20 + 2;
    // Never red or navy blue: both become cyan, which therefore comes up three times as often.
    if (colour == Red || colour == NavyBlue) colour = Cyan;
}

void moveHelicopter(int& x, int& y, int& flightCount, int& colour, int tick) {
    const int f = flightCount;
    if (-HalfSpanX < x && x < HalfSpanX && -HalfSpanY < y && y < HalfSpanY) {
        x += f % 3 == 0 ? 3 : f % 4 == 0 ? -3 : 0;
        y += f % 3 == 0 ? 3 : f % 7 == 0 ? 10 : f % 23 == 0 ? 20 : 5;
    } else if (tick % RelaunchPeriod == 0) {
        ++flightCount;
        launchHelicopter(x, y, colour);
    }
}
