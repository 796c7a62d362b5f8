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
#include "gfx/core/library_reset.h"
#include "gfx/core/state.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/headless/headless_backend.h"
#include "gfx/render/renderer.h"
#include "tests/support/reference_renderer.h"

namespace {

constexpr int Heavy = 0;

struct Repaint {
    std::vector<gfx::ShapeRecord> records;
    int centreX = 0, centreY = 0;
    int vehicles = 0;
};

Repaint capture(int ticks) {
    gfx::resetLibraryWith<gfx::HeadlessBackend>().setKeepLines(false);
    Repaint out;
    {
        Display display;
        std::srand(1);
        Town town;
        buildTown(town);
        for (int tick = 1; tick <= ticks; ++tick) town.update(tick, Heavy);
        // Keeps the records the library hands to its renderer.
        gfx::toolHooks().shapeObserver = [&out](const gfx::ShapeRecord& r) {
            out.records.push_back(r);
        };
        MainLoop(display, town).repaint();
        gfx::toolHooks().shapeObserver = nullptr;
        out.centreX = gfx::state().window.centreX;
        out.centreY = gfx::state().window.centreY;
        out.vehicles = vehiclesInTown(town);
        releaseTown(town);
    }
    gfx::resetLibrary();
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
