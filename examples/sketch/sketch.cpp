// A sketch drawn with typed keys: w, a, s and d move the pen and draw, digits 1 to 9
// choose its colour, c clears the page. The animation stays halted, so only keys make
// events; the drawing builds up in the library's image without being repainted.
#include "gfx/display.h"
#include "gfx/gfx.h"
#include "gfx/palette.h"

// The library keeps its names in namespace gfx.
using gfx::AnimationMode;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;

namespace {

constexpr int Step = 10;

// The status line along the bottom edge, over what the pen drew there; text stands on
// its point.
void drawStatus(int x, int y, int colour) {
    gfxRectangle(palette::NavyBlue, -300, -250, 300, -226, 0);
    gfxTextf(palette::White, -292, -245, 14, "pen at (%d, %d)   colour %d   keys: w a s d, 1-9, c",
             x, y, colour);
    gfxTriangle(colour, 270, -246, 290, -246, 280, -230, 0);
}

}  // namespace

int appMain() {
    Display display;
    display.setAnimation(AnimationMode::Halt);
    display.clear(palette::White);
    int x = 0, y = 0;
    int colour = palette::Black;
    drawStatus(x, y, colour);
    for (;;) {
        int clickX = 0, clickY = 0;
        char key = 0;
        const EventKind kind = display.awaitEvent(clickX, clickY, key);
        if (kind == EventKind::Quit) break;
        if (kind != EventKind::Keyboard) continue;
        int dx = 0, dy = 0;
        switch (key) {
            case 'w':
                dy = Step;
                break;
            case 's':
                dy = -Step;
                break;
            case 'a':
                dx = -Step;
                break;
            case 'd':
                dx = Step;
                break;
            case 'c':
                display.clear(palette::White);
                break;
            default:
                if (key >= '1' && key <= '9') colour = key - '0';
        }
        if (dx != 0 || dy != 0) {
            display.drawLine(x, y, x + dx, y + dy, colour, 3);
            x += dx;
            y += dy;
        }
        drawStatus(x, y, colour);
    }
    return 0;
}
