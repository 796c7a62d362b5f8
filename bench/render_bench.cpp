// The renderer alone, on the town's own pictures: the shape records of one full
// repaint, captured after 3,000 heavy ticks (73 vehicles) and after 60,000 (about
// 1,300), seeded as town_bench does, drawn by the QPainter reference renderer and by
// the portable one in the same run.
#include <benchmark/benchmark.h>

#include <map>

#include "gfx/render/renderer.h"
#include "tests/support/reference_renderer.h"
#include "tests/support/town_repaint.h"

namespace {

const TownRepaint& repaintAfter(int ticks) {
    static std::map<int, TownRepaint> repaints;
    auto it = repaints.find(ticks);
    if (it == repaints.end()) it = repaints.emplace(ticks, captureTownRepaint(ticks)).first;
    return it->second;
}

void describe(benchmark::State& state, const TownRepaint& r) {
    state.counters["vehicles"] = r.vehicles;
    state.counters["records"] = static_cast<double>(r.records.size());
}

void BM_ReferenceRenderer(benchmark::State& state) {
    const TownRepaint& r = repaintAfter(static_cast<int>(state.range(0)));
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
    const TownRepaint& r = repaintAfter(static_cast<int>(state.range(0)));
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
