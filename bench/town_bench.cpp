// The town at two sizes: after 3,000 heavy ticks (a few dozen vehicles) and after
// 60,000 (over a thousand, since queues grow on a few lanes). One full repaint with
// the drawing log off and on, one Town::update tick, and a simulated day of updates.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <fstream>
#include <memory>

#include "app/main_loop.h"
#include "app/scenery.h"
#include "app/town_layout.h"
#include "app/traffic_buttons.h"
#include "gfx/backends/headless/headless_backend.h"
#include "gfx/core/library_reset.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"
#include "traffic/random_sequence.h"

namespace {

constexpr int Heavy = 0;

// A built town on the headless back end, run for a number of heavy ticks.
class BenchTown {
public:
    explicit BenchTown(int ticks) {
        gfx::resetLibraryWith<gfx::HeadlessBackend>().setKeepLines(false);
        display = std::make_unique<Display>();
        seedRandom(1);
        layout.buildTown(town);
        advance(ticks);
    }
    ~BenchTown() {
        display.reset();
        gfx::resetLibrary();
    }
    void advance(int ticks) {
        for (int i = 0; i < ticks; ++i) {
            ++tick;
            town.update(tick, Heavy);
        }
    }

    std::unique_ptr<Display> display;
    TownLayout layout;
    Town town;
    int tick = 0;
};

long residentBytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

void BM_Repaint(benchmark::State& state) {
    BenchTown t(static_cast<int>(state.range(0)));
    gfxSetLogging(state.range(1) != 0);
    MainLoop loop(*t.display, t.town);
    for (auto _ : state) loop.repaint();
    state.counters["vehicles"] = t.layout.vehiclesInTown();
}
BENCHMARK(BM_Repaint)
    ->ArgsProduct({{3000, 60000}, {0, 1}})
    ->ArgNames({"ticks", "log"})
    ->Unit(benchmark::kMillisecond);

// The buttons, the highlight and the title alone, over an empty town.
void BM_ButtonsAndTitle(benchmark::State& state) {
    BenchTown t(0);
    gfxSetLogging(state.range(0) != 0);
    for (auto _ : state) {
        drawTrafficButtons(*t.display);
        drawTitle(*t.display);
        highlightTrafficButton(*t.display, 1);
    }
}
BENCHMARK(BM_ButtonsAndTitle)->Arg(0)->Arg(1)->ArgName("log")->Unit(benchmark::kMicrosecond);

void BM_TownUpdate(benchmark::State& state) {
    BenchTown t(static_cast<int>(state.range(0)));
    const int before = t.layout.vehiclesInTown();
    for (auto _ : state) t.advance(1);
    state.counters["vehicles"] = (before + t.layout.vehiclesInTown()) / 2.0;
}
// A fixed number of ticks, so the town hardly grows while it is measured.
BENCHMARK(BM_TownUpdate)
    ->Arg(3000)
    ->Arg(60000)
    ->ArgName("ticks")
    ->Iterations(2000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// 864,000 ticks (a day at ten ticks a second) of updates without drawing; resident
// memory is read at 36,000 ticks and at the end.
void BM_DayOfUpdates(benchmark::State& state) {
    for (auto _ : state) {
        BenchTown t(36000);
        const long rssHour = residentBytes();
        const int vehiclesHour = t.layout.vehiclesInTown();
        t.advance(864000 - 36000);
        const long rssDay = residentBytes();
        const int vehiclesDay = t.layout.vehiclesInTown();
        state.counters["vehicles_hour"] = vehiclesHour;
        state.counters["vehicles_day"] = vehiclesDay;
        state.counters["rss_growth_MiB"] = (rssDay - rssHour) / 1048576.0;
        state.counters["bytes_per_added_vehicle"] =
            static_cast<double>(rssDay - rssHour) / std::max(1, vehiclesDay - vehiclesHour);
    }
}
BENCHMARK(BM_DayOfUpdates)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
