// A Windows program that asks one question in the input dialog and writes the answer,
// as the dialog gave it, into answer.txt in its working folder: the end-to-end test
// types the answer.
#include <cstdio>

#include "gfx/display.h"
#include "gfx/gfx.h"

int appMain() {
    const gfx::Display display;
    char reply[256] = "unanswered";
    const int asked = gfxGets("Your name?", reply);
    if (std::FILE* f = std::fopen("answer.txt", "wb")) {
        std::fprintf(f, "%d [%s]\n", asked, reply);
        std::fclose(f);
    }
    return 0;
}
