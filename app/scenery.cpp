#include "app/scenery.h"

#include <span>

#include "app/helicopter.h"
#include "traffic/random_sequence.h"
#include "vehicles/library_names.h"

namespace {

using namespace palette;

constexpr int Filled = 0;

enum class Kind { Rectangle, Oval, Line, Triangle, Circle };

// One row of a shape table. Rectangles, ovals and lines use p[0..3] as two points,
// triangles p[0..5] as three, circles p[0..2] as centre and radius.
struct Shape {
    Kind kind;
    int p[6];
    int colour;
    int width;
};

void paint(Display& display, std::span<const Shape> shapes) {
    for (const Shape& s : shapes) {
        const int* p = s.p;
        switch (s.kind) {
            case Kind::Rectangle:
                display.drawRectangle(p[0], p[1], p[2], p[3], s.colour, s.width);
                break;
            case Kind::Oval:
                display.drawOval(p[0], p[1], p[2], p[3], s.colour, s.width);
                break;
            case Kind::Line:
                display.drawLine(p[0], p[1], p[2], p[3], s.colour, s.width);
                break;
            case Kind::Triangle:
                display.drawTriangle(p[0], p[1], p[2], p[3], p[4], p[5], s.colour, s.width);
                break;
            case Kind::Circle:
                display.drawCircle(p[0], p[1], p[2], s.colour);
                break;
        }
    }
}

constexpr Kind Rect = Kind::Rectangle, Oval = Kind::Oval, Line = Kind::Line, Tri = Kind::Triangle,
               Circle = Kind::Circle;

constexpr Shape lawns[] = {
    {Rect, {-255, 205, -120, 120}, ForestGreen, Filled},
    {Rect, {-255, 80, -120, 20}, ForestGreen, Filled},
    {Rect, {-255, -20, -120, -170}, ForestGreen, Filled},
    {Rect, {-80, 205, -20, 120}, ForestGreen, Filled},
    {Rect, {-80, 80, -20, 20}, ForestGreen, Filled},
    {Rect, {-80, -20, -20, -170}, ForestGreen, Filled},
    {Rect, {20, 205, 255, 120}, ForestGreen, Filled},
    {Rect, {20, 80, 255, 20}, ForestGreen, Filled},
    {Rect, {20, -20, 135, -170}, ForestGreen, Filled},
    {Rect, {130, -20, 255, -170}, ForestGreen, Filled},
};

constexpr Shape park[] = {
    {Rect, {-255, -75, -120, -105}, Olive, Filled}, {Rect, {-200, -20, -180, -90}, Olive, Filled},
    {Rect, {-190, -20, -180, -170}, Olive, Filled}, {Rect, {-250, -30, -125, -160}, Olive, 2},
    {Line, {-250, -30, -125, -160}, Olive, 2},      {Line, {-125, -30, -250, -160}, Olive, 2},
    {Circle, {-190, -90, 40}, Olive, Filled},       {Circle, {-190, -90, 30}, IceBlue, Filled},
};

// Peach buildings and the stadium, up to its banner.
constexpr Shape peachBuildingsAndStadium[] = {
    {Rect, {55, 195, 120, 165}, Peach, Filled},
    {Rect, {85, 165, 120, 155}, Peach, Filled},
    {Rect, {135, 185, 190, 165}, Peach, Filled},
    {Rect, {200, 195, 215, 145}, Peach, Filled},
    {Tri, {215, 125, 200, 145, 215, 145}, Peach, Filled},
    {Rect, {225, 185, 240, 170}, Peach, Filled},
    {Rect, {225, 160, 240, 145}, Peach, Filled},
    {Rect, {85, 165, 170, 135}, Peach, Filled},
    {Rect, {30, 155, 70, 130}, Peach, Filled},
    {Oval, {35, -40, 120, -155}, Orange, Filled},
    {Oval, {45, -60, 110, -165}, ForestGreen, Filled},
    {Rect, {32, -85, 50, -140}, Orange, Filled},
    {Rect, {105, -85, 122, -140}, Orange, Filled},
    {Rect, {50, -85, 105, -155}, White, 1},
    {Rect, {50, -85, 105, -95}, White, Filled},
    {Rect, {50, -85, 105, -120}, White, 1},
    {Rect, {50, -145, 105, -155}, White, Filled},
    {Oval, {58, -115, 100, -125}, White, 1},
};

// The pink building and the gold one with its helipad, up to the parked helicopter.
constexpr Shape pinkAndGoldBuildings[] = {
    {Rect, {-245, 190, -145, 170}, Pink, Filled},
    {Rect, {-145, 190, -165, 140}, Pink, Filled},
    {Rect, {-235, 150, -195, 130}, Pink, Filled},
    {Rect, {-185, 145, -170, 125}, Pink, Filled},
    {Rect, {50, 70, 235, 45}, Gold, Filled},
    {Rect, {50, 50, 95, 35}, Gold, Filled},
    {Tri, {135, 60, 175, 25, 215, 60}, Gold, Filled},
    {Rect, {175, 50, 245, 25}, Gold, Filled},
    {Circle, {205, 47, 20}, White, Filled},
    {Circle, {205, 47, 19}, Gold, Filled},
    {Line, {205, 67, 205, 27}, White, 1},
    {Line, {185, 47, 225, 47}, White, 1},
};

// The lot in the lower right and the purple, orange, plum and brown buildings.
constexpr Shape lotAndRemainingBuildings[] = {
    {Rect, {180, -40, 200, -80}, Peach, Filled},   {Rect, {180, -100, 200, -140}, Peach, Filled},
    {Rect, {220, -40, 240, -80}, Peach, Filled},   {Rect, {220, -100, 240, -140}, Peach, Filled},
    {Rect, {175, -145, 245, -165}, Olive, 1},      {Line, {175, -145, 245, -165}, Olive, 1},
    {Line, {175, -165, 245, -145}, Olive, 1},      {Line, {211, -20, 211, -180}, Olive, 2},
    {Rect, {175, -30, 245, -165}, Olive, 1},       {Line, {130, -90, 255, -90}, Olive, 2},
    {Rect, {-55, -40, -45, -155}, Purple, Filled}, {Rect, {-65, -30, -35, -55}, Purple, Filled},
    {Rect, {-75, -65, -25, -105}, Purple, Filled}, {Rect, {-65, -115, -35, -160}, Purple, Filled},
    {Rect, {-205, 55, -165, 45}, Orange, Filled},  {Rect, {-215, 70, -195, 30}, Orange, Filled},
    {Rect, {-185, 70, -165, 30}, Orange, Filled},  {Rect, {-235, 65, -215, 55}, Orange, Filled},
    {Rect, {-235, 45, -215, 35}, Orange, Filled},  {Rect, {-165, 65, -145, 55}, Orange, Filled},
    {Rect, {-165, 45, -145, 35}, Orange, Filled},  {Rect, {-60, 190, -35, 130}, DustyPlum, Filled},
    {Circle, {-60, 160, 12}, DustyPlum, Filled},   {Rect, {-70, 70, -30, 60}, Brown, Filled},
    {Rect, {-70, 40, -30, 30}, Brown, Filled},     {Rect, {-75, 55, -60, 45}, Brown, Filled},
    {Rect, {-55, 55, -45, 45}, Brown, Filled},     {Rect, {-40, 55, -25, 45}, Brown, Filled},
};

void drawBanner(Display& display) {
    const int k = nextRandom() % 2 + 1;
    display.drawText(52, -97, "Go Tarvins", k == 1 ? Purple : Yellow, 10);
}

// The four corner lights of the helipad blink in two crossed pairs.
void drawPadLights(Display& display) {
    const int k = nextRandom() % 2 + 1;
    const int a = k == 1 ? Blue : Red;
    const int b = k == 1 ? Red : Yellow;
    display.drawCircle(190, 67, 1, a);
    display.drawCircle(220, 67, 1, b);
    display.drawCircle(190, 27, 1, b);
    display.drawCircle(220, 27, 1, a);
}

}  // namespace

void drawLawns(Display& display) {
    paint(display, lawns);
}

void drawPark(Display& display) {
    paint(display, park);
}

void drawLandmarks(Display& display) {
    paint(display, peachBuildingsAndStadium);
    drawBanner(display);
    display.drawText(52, -157, "JX Stadium", Purple, 9);
    paint(display, pinkAndGoldBuildings);
    drawHelicopter(display, 206, 55, NavyBlue);
    drawPadLights(display);
    paint(display, lotAndRemainingBuildings);
}

void drawTitle(Display& display) {
    display.drawText(-180, -245, "Fenn's", Purple, 30);
    display.drawText(-80, -245, "Town", Gold, 30);
    display.drawText(10, -245, "WOOF!", Purple, 20);
}
