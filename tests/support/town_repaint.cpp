#include "tests/support/town_repaint.h"

#include <cstdlib>
#include <memory>

#include "app/main_loop.h"
#include "app/town_layout.h"
#include "fuzz/silent_backend.h"
#include "gfx/core/state.h"

namespace {

constexpr int Heavy = 0;

// Keeps the records the library hands over instead of drawing them.
class RecordingBackend : public gfx::SilentBackend {
public:
    void render(const gfx::ShapeRecord& record, int centreX, int centreY) override {
        records.push_back(record);
        this->centreX = centreX;
        this->centreY = centreY;
    }
    std::vector<gfx::ShapeRecord> records;
    int centreX = 0, centreY = 0;
};

}  // namespace

TownRepaint captureTownRepaint(int heavyTicks) {
    gfx::resetState();
    Display::forgetForTesting();
    auto owned = std::make_unique<RecordingBackend>();
    RecordingBackend& backend = *owned;
    gfx::setBackend(std::move(owned));
    TownRepaint out;
    {
        Display display;
        std::srand(1);
        Town town;
        buildTown(town);
        for (int tick = 1; tick <= heavyTicks; ++tick) town.update(tick, Heavy);
        backend.records.clear();
        MainLoop(display, town).repaint();
        out.records = std::move(backend.records);
        out.centreX = backend.centreX;
        out.centreY = backend.centreY;
        out.vehicles = vehiclesInTown(town);
        releaseTown(town);
    }
    gfx::setBackend(nullptr);
    gfx::resetState();
    Display::forgetForTesting();
    return out;
}
