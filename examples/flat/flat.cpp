// flat: the library through its flat gfx... functions. A program opens the library by
// making its Display, the one way; from then on this one draws and waits with the
// functions the facade forwards to: snow falling on a house, animated with
// gfxSetAnimation's codes, until it asks to quit after 30 ticks and closes the library
// itself. The flakes start where a generator seeded with gfxCalendarTime puts them.
#include "gfx/display.h"
#include "gfx/gfx.h"
#include "gfx/palette.h"

namespace palette = gfx::palette;  // the library keeps its names in namespace gfx

namespace {

constexpr int Flakes = 40, LastTick = 30;

struct Flake {
    int x, y;
};

void drawHouse() {
    gfxRectangle(palette::Brown, -120, -60, 120, -250, 0);
    gfxTriangle(palette::Red, -150, -60, 150, -60, 0, 60, 0);
    gfxRectangle(palette::Gold, -30, -160, 30, -250, 0);
    gfxOval(palette::IceBlue, -90, -90, -40, -140, 0);
    gfxOval(palette::IceBlue, 40, -90, 90, -140, 0);
}

}  // namespace

int appMain() {
    gfx::Display display;  // opens the windows; nothing is drawn through it
    unsigned seed = static_cast<unsigned>(gfxCalendarTime());
    Flake flakes[Flakes];
    for (Flake& f : flakes) {
        seed = seed * 1103515245u + 12345u;  // the C standard's example generator
        f = {static_cast<int>(seed >> 16) % 600 - 300, static_cast<int>(seed >> 8) % 500 - 250};
    }
    gfxSetAnimation(gfx::AnimationCode::Animate);
    for (int tick = 0;;) {
        int x = 0, y = 0;
        char key = 0;
        const gfx::EventKind kind = gfxAwaitEvent(x, y, key);
        if (kind == gfx::EventKind::Quit) break;
        if (kind == gfx::EventKind::Periodic) ++tick;
        gfxFlush();
        gfxClear();
        gfxRectangle(palette::NavyBlue, -300, 250, 300, -250, 0);
        drawHouse();
        for (Flake& f : flakes) {
            f.y = f.y < -245 ? 250 : f.y - 7 - (f.x & 3);
            gfxCircle(palette::White, f.x, f.y, 2 + (f.x & 1));
        }
        gfxLine(palette::White, -300, -249, 300, -249, 3);
        gfxText(palette::Chalk, -290, 225, 16, "Snow, drawn by the flat functions");
        if (tick == LastTick) gfxSetAnimation(gfx::animationCode(gfx::AnimationMode::Quit));
    }
    gfxClose();  // closes a script file still open, as the Display will again at its end
    return 0;
}
