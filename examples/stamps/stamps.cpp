// stamps: a click stamps a shape where it falls; keys 1 to 4 choose the shape
// (triangle, circle, square, oval) and c clears the page. It shows the "Run" menu's
// scripts: Ctrl+R starts recording the clicks and keys into DROVA.SCR and Ctrl+R again
// ends it; then c, and Ctrl+P plays them back exactly, or Ctrl+O one event at a time.
// A headless run plays a script with --script: stamps.scr was recorded this way. The
// animation stays halted, so the stamps build up without a tick.
#include <string>

#include "gfx/display.h"
#include "gfx/palette.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::ColorIndex;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

constexpr int Size = 24;
constexpr const char* ShapeNames[] = {"triangle", "circle", "square", "oval"};

void stamp(Display& display, int shape, int x, int y, ColorIndex colour) {
    switch (shape) {
        case 0:
            display.drawTriangle(x - Size, y - Size, x + Size, y - Size, x, y + Size, colour, 0);
            break;
        case 1:
            display.drawCircle(x, y, Size, colour);
            break;
        case 2:
            display.drawRectangle(x - Size, y + Size, x + Size, y - Size, colour, 0);
            break;
        default:
            display.drawOval(x - 2 * Size, y + Size, x + 2 * Size, y - Size, colour, 0);
            break;
    }
}

void drawStatus(Display& display, int shape, int stamps) {
    display.drawRectangle(-300, 250, 300, 222, palette::NavyBlue, 0);
    const std::string text = std::string("stamp: ") + ShapeNames[shape] +
                             "   stamps: " + std::to_string(stamps) + "   keys 1-4, c clears";
    display.drawText(-292, 229, text.c_str(), palette::White, 14);
}

}  // namespace

int appMain() {
    Display display;
    display.setAnimation(AnimationMode::Halt);
    display.clear(palette::Chalk);
    int shape = 0, stamps = 0;
    drawStatus(display, shape, stamps);
    for (;;) {
        int x = 0, y = 0;
        char key = 0;
        const EventKind kind = display.awaitEvent(x, y, key);
        if (kind == EventKind::Quit) break;
        if (kind == EventKind::Mouse) {
            // The colours go round the palette, black and white left out.
            stamp(display, shape, x, y, palette::Red + stamps % (palette::ColourCount - 2));
            ++stamps;
        } else if (kind == EventKind::Keyboard && key >= '1' && key <= '4') {
            shape = key - '1';
        } else if (kind == EventKind::Keyboard && key == 'c') {
            display.clear(palette::Chalk);
            stamps = 0;
        }
        drawStatus(display, shape, stamps);
    }
    return 0;
}
