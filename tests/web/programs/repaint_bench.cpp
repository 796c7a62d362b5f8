// Full repaints of a big town in the browser: the town of the native benchmark (60,000
// heavy ticks from seed 1, 1,288 vehicles), then repaints with the drawing log off, each
// timed alone and with the image handed to the canvas. The figures go to the text panel.
#include <emscripten.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "app/main_loop.h"
#include "app/town_layout.h"
#include "gfx/gfx.h"
#include "traffic/random_sequence.h"

namespace {

constexpr int Ticks = 60000;
constexpr int Repaints = 300;
constexpr int WarmUp = 100;
constexpr int Heavy = 0;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The browser's clock has a coarse grain (0.1 ms without cross-origin isolation), so the
// mean of many repaints is the finer figure.
double mean(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
}

}  // namespace

int appMain() {
    Display display;
    seedRandom(1);
    TownLayout layout;
    Town town;
    layout.buildTown(town);
    for (int tick = 0; tick < Ticks;) {
        ++tick;
        town.update(tick, Heavy);
    }
    MainLoop loop(display, town);
    // Warm up: the browser compiles the program fast first and well later.
    for (int i = 0; i < WarmUp; ++i) loop.repaint();

    std::vector<double> alone, shown;
    for (int i = 0; i < Repaints; ++i) {
        double t0 = emscripten_get_now();
        loop.repaint();
        double t1 = emscripten_get_now();
        gfxFlush();  // the image goes to the canvas
        double t2 = emscripten_get_now();
        alone.push_back(t1 - t0);
        shown.push_back(t2 - t0);
    }
    gfxPrintf(
        "repaint of %d vehicles: mean %.3f ms, median %.2f ms; with the image handed to the "
        "canvas: mean %.3f ms (%d repaints)\n",
        layout.vehiclesInTown(), mean(alone), median(alone), mean(shown), Repaints);
    return 0;
}
