#include "tests/support/town_repaint.h"

#include <memory>

#include "app/main_loop.h"
#include "app/town_layout.h"
#include "gfx/backends/headless/headless_backend.h"
#include "gfx/core/library_reset.h"
#include "gfx/core/state.h"
#include "gfx/core/tool_hooks.h"
#include "traffic/random_sequence.h"

namespace {
constexpr int Heavy = 0;
}  // namespace

TownRepaint captureTownRepaint(int heavyTicks) {
    gfx::resetLibraryWith<gfx::HeadlessBackend>().setKeepLines(false);
    TownRepaint out;
    {
        Display display;
        seedRandom(1);
        TownLayout layout;
        Town town;
        layout.buildTown(town);
        for (int tick = 1; tick <= heavyTicks; ++tick) town.update(tick, Heavy);
        // Keeps the records the library hands to its renderer.
        gfx::toolHooks().shapeObserver = [&out](const gfx::ShapeRecord& r) {
            out.records.push_back(r);
        };
        MainLoop(display, town).repaint();
        gfx::toolHooks().shapeObserver = nullptr;
        out.centreX = gfx::state().window.centreX;
        out.centreY = gfx::state().window.centreY;
        out.vehicles = layout.vehiclesInTown();
    }
    gfx::resetLibrary();
    return out;
}
