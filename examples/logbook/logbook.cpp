// logbook: the drawing log. While it is on (the "Run" menu's Logging, Ctrl+L, or
// --log headless) every drawing call writes a line to the text window, and a call
// with an argument out of range is drawn with one in range and says so whether the
// log is on or not. This program writes lines of its own with gfxPrintf, switches the
// log off for ticks 3 and 4 with gfxSetLogging, and each tick draws a shape of each
// kind with an argument to correct: a colour past the palette, a negative width,
// radius and point size. After six ticks it quits.
#include "gfx/display.h"
#include "gfx/gfx.h"
#include "gfx/palette.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

void drawCorrected() {
    gfxRectangle(24, -250, 150, -150, 50, 0);  // no colour 24: red
    gfxLine(palette::Blue, -250, 100, -150, 0, -4);
    gfxCircle(palette::Green, 0, 100, -40);
    gfxTriangle(palette::Purple, 100, 60, 200, 60, 150, 150, -2);
    gfxText(palette::Black, -250, -20, -18, "ptsize -18 is drawn at 18");
}

}  // namespace

int appMain() {
    Display display;
    display.setAnimation(AnimationMode::Animate);
    long ticks = 0;
    for (;;) {
        int x = 0, y = 0;
        char key = 0;
        const EventKind kind = display.awaitEvent(x, y, key);
        if (kind == EventKind::Quit) break;
        if (kind != EventKind::Periodic) continue;
        ++ticks;
        gfxPrintf("Tick %ld begins\n", ticks);
        if (ticks == 3) gfxSetLogging(false);
        if (ticks == 5) gfxSetLogging(true);
        display.clear(palette::White);
        drawCorrected();
        gfxOval(palette::Gold, -60 + 20 * static_cast<int>(ticks), -100,
                40 + 20 * static_cast<int>(ticks), -200, 0);
        gfxTextf(palette::NavyBlue, -250, -230, 16, "tick %ld: the log is %s", ticks,
                 ticks == 3 || ticks == 4 ? "off" : "on");
        gfxFlush();  // shown at once, not at the next wait
        if (ticks == 6) display.setAnimation(AnimationMode::Quit);
    }
    return 0;
}
