// palette: the library's 24 colours in a chart, each under the name the drawing log
// gives it, and below them every shape the Display facade draws, filled and outlined:
// triangles, ovals, circles and lines of six widths. The program asks for a single
// frame (AnimationMode::AdvanceFrame) and draws the chart when it comes, so that it is
// drawn once and logged; then nothing is left to happen, and it redraws only for a
// click or a key until the window closes (a headless run ends there).
#include "gfx/palette.h"

#include "gfx/display.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::ColorIndex;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

constexpr const char* Names[palette::ColourCount] = {
    "black",     "white",        "red",       "green",     "blue",       "yellow",
    "magenta",   "cyan",         "purple",    "navy blue", "dusty plum", "ice blue",
    "turquoise", "orange",       "brown",     "pink",      "chalk",      "gold",
    "peach",     "forest green", "sea green", "olive",     "50% gray",   "20% gray"};

void drawChart(Display& display) {
    for (ColorIndex c = 0; c < palette::ColourCount; ++c) {
        const int left = -295 + (c % 6) * 99, top = 240 - (c / 6) * 65;
        display.drawRectangle(left, top, left + 90, top - 44, c, 0);
        display.drawRectangle(left, top, left + 90, top - 44, palette::Black, 1);
        display.drawText(left, top - 58, Names[c], palette::Black, 12);
    }
}

// A column of shapes for each of six colours: outlines drawn over filled shapes.
void drawShapes(Display& display) {
    for (int i = 0; i < 6; ++i) {
        const int x = -250 + i * 100;
        display.drawTriangle(x - 40, -85, x + 40, -85, x, -35, palette::Red + i, 0);
        display.drawTriangle(x - 40, -85, x + 40, -85, x, -35, palette::Black, 2);
        display.drawOval(x - 40, -95, x + 40, -145, palette::Purple + i, 0);
        display.drawOval(x - 40, -95, x + 40, -145, palette::NavyBlue, 3);
        display.drawCircle(x, -180, 22, palette::Pink + i);
        display.drawLine(x - 40, -240, x + 40, -215, palette::Black, i + 1);
    }
}

}  // namespace

int appMain() {
    Display display;
    display.setAnimation(AnimationMode::AdvanceFrame);
    for (;;) {
        int x = 0, y = 0;
        char key = 0;
        if (display.awaitEvent(x, y, key) == EventKind::Quit) break;
        display.clear(palette::White);
        drawChart(display);
        drawShapes(display);
    }
    return 0;
}
