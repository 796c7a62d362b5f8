// A program that constructs a second Display, as no correct program does: the page
// shows the error in its dialog and the program ends with status -1.
#include "gfx/display.h"

int appMain() {
    gfx::Display first;
    first.clear(1);
    gfx::Display second;
    return 0;
}
