// A program that stops on an error, as a failed assertion does: it names itself, draws,
// takes the first click or key, and aborts. The page must say so where the user looks,
// under the program's name.
#include <cstdlib>

#include "gfx/display.h"
#include "gfx/gfx.h"

int appMain() {
    gfxSetIdentity("Stops", nullptr);
    gfx::Display display;
    display.clear(1);
    display.drawText(-200, 0, "Click or press a key to stop on an error", 0, 12);
    int x = 0, y = 0;
    char key = 0;
    for (;;) {
        const gfx::EventKind kind = display.awaitEvent(x, y, key);
        if (kind == gfx::EventKind::Mouse || kind == gfx::EventKind::Keyboard) std::abort();
    }
}
