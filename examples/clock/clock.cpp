// A clock with a label: gfxGets asks for it (headless, the line of the runner's
// --answers file; without one an empty line, and the label is "Town hall"), the
// windows take the label as their name (gfxSetIdentity), gfxPrintf greets in the text
// window, and every tick redraws the time of day with gfxTextf. The time starts at the
// calendar time, which --seed fixes in a replay.
#include <cmath>
#include <cstring>
#include <ctime>

#include "gfx/display.h"
#include "gfx/gfx.h"
#include "gfx/palette.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

// The face and the second hand, whose end is rounded to whole pixels.
void drawFace(int seconds) {
    constexpr double Pi = 3.14159265358979323846;
    const double angle = seconds * Pi / 30;
    gfxOval(palette::Chalk, -120, -120, 120, 120, 0);
    gfxOval(palette::Gray20, -120, -120, 120, 120, 3);
    gfxLine(palette::Red, 0, 0, static_cast<int>(std::lround(110 * std::sin(angle))),
            static_cast<int>(std::lround(110 * std::cos(angle))), 2);
    gfxCircle(palette::Black, 0, 0, 5);
}

}  // namespace

int appMain() {
    Display display;
    char label[256];  // gfxGets writes at most 255 characters and the end
    if (!gfxGets("Label of the clock:", label) || label[0] == '\0') std::strcpy(label, "Town hall");
    gfxSetIdentity(label, nullptr);  // "Station Graphics", "Station Text"
    gfxPrintf("The clock \"%s\" starts.\n", label);
    display.setAnimation(AnimationMode::Animate);
    const std::time_t start = static_cast<std::time_t>(Display::calendarTime());
    long ticks = 0;
    for (;;) {
        int x = 0, y = 0;
        char key = 0;
        const EventKind kind = display.awaitEvent(x, y, key);
        if (kind == EventKind::Quit) break;
        if (kind == EventKind::Periodic) ++ticks;
        const std::time_t now = start + ticks / 10;  // a tick is 100 ms
        // Standard C++'s gmtime, which every system has (gmtime_r is POSIX's): the
        // program has one thread.
        const std::tm utc = *std::gmtime(&now);
        display.clear(palette::White);
        drawFace(utc.tm_sec);
        gfxText(palette::NavyBlue, -140, 200, 24, label);
        gfxTextf(palette::Black, -90, -160, 32, "%02d:%02d:%02d", utc.tm_hour, utc.tm_min,
                 utc.tm_sec);
        gfxText(palette::Gray50, -40, -200, 14, "UTC");
    }
    return 0;
}
