// The renderer alone, on the town's own pictures: the shape records of one full
// repaint, captured after 3,000 heavy ticks (73 vehicles) and after 60,000 (about
// 1,300), seeded as town_bench does, drawn by the QPainter reference renderer and by
// the portable one in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "app/main_loop.h"
#include "app/town_layout.h"
#include "fuzz/silent_backend.h"
#include "gfx/core/state.h"
#include "gfx/render/renderer.h"
#include "tests/support/reference_renderer.h"

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

struct Repaint {
    std::vector<gfx::ShapeRecord> records;
    int centreX = 0, centreY = 0;
    int vehicles = 0;
};

Repaint capture(int ticks) {
    gfx::resetState();
    Display::forgetForTesting();
    auto owned = std::make_unique<RecordingBackend>();
    RecordingBackend& backend = *owned;
    gfx::setBackend(std::move(owned));
    Repaint out;
    {
        Display display;
        std::srand(1);
        Town town;
        buildTown(town);
        for (int tick = 1; tick <= ticks; ++tick) town.update(tick, Heavy);
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

const Repaint& repaintAfter(int ticks) {
    static std::map<int, Repaint> repaints;
    auto it = repaints.find(ticks);
    if (it == repaints.end()) it = repaints.emplace(ticks, capture(ticks)).first;
    return it->second;
}

void describe(benchmark::State& state, const Repaint& r) {
    state.counters["vehicles"] = r.vehicles;
    state.counters["records"] = static_cast<double>(r.records.size());
}

void BM_ReferenceRenderer(benchmark::State& state) {
    const Repaint& r = repaintAfter(static_cast<int>(state.range(0)));
    gfx::ReferenceRenderer renderer;
    for (auto _ : state)
        for (const gfx::ShapeRecord& record : r.records)
            renderer.render(record, r.centreX, r.centreY);
    describe(state, r);
}
BENCHMARK(BM_ReferenceRenderer)
    ->Arg(3000)
    ->Arg(60000)
    ->ArgName("ticks")
    ->Unit(benchmark::kMillisecond);

void BM_PortableRenderer(benchmark::State& state) {
    const Repaint& r = repaintAfter(static_cast<int>(state.range(0)));
    gfx::PixelImage image;
    gfx::Renderer renderer(image);
    for (auto _ : state) {
        for (const gfx::ShapeRecord& record : r.records)
            renderer.render(record, r.centreX, r.centreY);
        benchmark::DoNotOptimize(image.data());
    }
    describe(state, r);
}
BENCHMARK(BM_PortableRenderer)
    ->Arg(3000)
    ->Arg(60000)
    ->ArgName("ticks")
    ->Unit(benchmark::kMillisecond);

}  // namespace
