// modes: the four animation modes. A wheel turns one spoke a tick: a animates it
// (AnimationMode::Animate), h halts it, f advances it one frame (AdvanceFrame) and q
// quits (Quit). The "Run" menu does the same for any program (Ctrl+A, Ctrl+H, Ctrl+F,
// Ctrl+Q) and plays a recorded script one event at a time (Ctrl+O). The line at the
// bottom names the mode last asked for and counts the ticks.
#include <cmath>
#include <string>

#include "gfx/display.h"
#include "gfx/palette.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

constexpr int Spokes = 12, Radius = 150;

struct Choice {
    char key;
    AnimationMode mode;
    const char* name;
};
constexpr Choice Choices[] = {{'a', AnimationMode::Animate, "animating"},
                              {'h', AnimationMode::Halt, "halted"},
                              {'f', AnimationMode::AdvanceFrame, "one frame"},
                              {'q', AnimationMode::Quit, "quitting"}};

// The wheel with one spoke marked; ends rounded to whole pixels.
void drawWheel(Display& display, long ticks) {
    constexpr double Pi = 3.14159265358979323846;
    display.drawOval(-Radius, Radius, Radius, -Radius, palette::Gray20, 0);
    display.drawOval(-Radius, Radius, Radius, -Radius, palette::Gray50, 4);
    for (int i = 0; i < Spokes; ++i) {
        const double angle = 2 * Pi * (i + ticks) / Spokes;
        const int x = static_cast<int>(std::lround(Radius * std::sin(angle)));
        const int y = static_cast<int>(std::lround(Radius * std::cos(angle)));
        const bool marked = i == 0;
        display.drawLine(0, 0, x, y, marked ? palette::Red : palette::Gray50, marked ? 5 : 2);
    }
    display.drawCircle(0, 0, 12, palette::Black);
}

}  // namespace

int appMain() {
    Display display;
    const char* mode = "halted";
    long ticks = 0;
    for (;;) {
        int x = 0, y = 0;
        char key = 0;
        const EventKind kind = display.awaitEvent(x, y, key);
        if (kind == EventKind::Quit) break;
        if (kind == EventKind::Periodic) ++ticks;
        for (const Choice& choice : Choices)
            if (kind == EventKind::Keyboard && key == choice.key) {
                display.setAnimation(choice.mode);
                mode = choice.name;
            }
        display.clear(palette::White);
        drawWheel(display, ticks);
        display.drawText(-290, -235, "a animate   h halt   f one frame   q quit", palette::Black,
                         14);
        display.drawText(-290, 220, mode, palette::NavyBlue, 20);
        display.drawText(180, 220, ("tick " + std::to_string(ticks)).c_str(), palette::NavyBlue,
                         20);
    }
    return 0;
}
