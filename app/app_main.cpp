// appMain: start-up, the event loop and shutdown.

#include "app/helicopter.h"
#include "app/main_loop.h"
#include "app/town_layout.h"
#include "traffic/random_sequence.h"
#include "vehicles/library_names.h"

int appMain() {
    Display display;
    // The first flight is launched before seeding, on the generator's unseeded sequence.
    Helicopter helicopter;
    launchHelicopter(helicopter.x, helicopter.y, helicopter.colour);
    seedRandom(static_cast<unsigned>(Display::calendarTime()));
    display.clear(palette::White);
    display.setAnimation(AnimationMode::Animate);
    TownLayout layout;
    Town town;
    layout.buildTown(town);

    MainLoop loop(display, town, helicopter);
    bool running = true;
    while (running) {
        int x = 0, y = 0;
        char key = 0;
        // x, y: a click's world point; key: the character typed; 0 where the kind has none.
        const EventKind kind = display.awaitEvent(x, y, key);
        running = loop.react(kind, x, y);
        loop.repaint();  // after every event, the quit included
    }
    return 0;
}
