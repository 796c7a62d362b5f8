// A program that asks three questions in the input dialog and writes each answer to the
// text window: run headless with --answers FILE, its log shows what the file said.
#include <initializer_list>

#include "gfx/display.h"
#include "gfx/gfx.h"

int appMain() {
    const gfx::Display display;
    for (const char* question : {"First?", "Second?", "Third?"}) {
        char reply[256] = "unanswered";
        const int asked = gfxGets(question, reply);
        gfxPrintf("%s %d [%s]\n", question, asked, reply);
    }
    return 0;
}
