// A Windows program that makes a second Display: the library shows its error in the
// input dialog and ends the process with status -1.
#include "gfx/display.h"

int appMain() {
    gfx::Display first;
    first.drawCircle(0, 0, 20, 3);
    gfx::Display second;
    return 0;
}
