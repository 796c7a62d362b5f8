// Time of one full repaint of the scene on the headless back end (same renderer as
// the window), with the drawing log off and on.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/main_loop.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"
#include "gfx/headless/headless_backend.h"

namespace {

void repaint(benchmark::State& st, bool logging) {
    gfx::resetState();
    Display::forgetForTesting();
    auto backend = std::make_unique<gfx::HeadlessBackend>();
    backend->setKeepLines(false);
    gfx::setBackend(std::move(backend));
    {
        Display display;
        gfxSetLogging(logging);
        Town town;
        MainLoop loop(display, town);
        for (auto _ : st) loop.repaint();
    }
    gfx::setBackend(nullptr);
}

void BM_RepaintLoggingOff(benchmark::State& st) {
    repaint(st, false);
}
void BM_RepaintLoggingOn(benchmark::State& st) {
    repaint(st, true);
}
BENCHMARK(BM_RepaintLoggingOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintLoggingOn)->Unit(benchmark::kMicrosecond);

}  // namespace
