// appMain: start-up, the event loop and shutdown.
#include <cstdlib>

#include "app/main_loop.h"
#include "app/town_layout.h"
#include "gfx/gfx.h"

int appMain() {
    Display display;
    std::srand(static_cast<unsigned>(gfxCalendarTime()));
    display.clear(1);
    display.setAnimation(AnimationMode::Animate);
    Town town;
    buildTown(town);

    MainLoop loop(display, town);
    bool running = true;
    while (running) {
        int x = 0, y = 0;
        char key = 0;
        running = loop.react(display.awaitEvent(x, y, key), x, y);
        loop.repaint();  // after every event, the quit included
    }
    releaseTown(town);
    return 0;
}
