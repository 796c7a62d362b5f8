// The shape records of one full repaint of the town, after a number of heavy-traffic
// ticks from seed 1 (as the town benchmarks run it), captured from the library
// instead of drawn.
#pragma once

#include <vector>

#include "gfx/render/shape_record.h"

struct TownRepaint {
    std::vector<gfx::ShapeRecord> records;
    int centreX = 0, centreY = 0;
    int vehicles = 0;
};

TownRepaint captureTownRepaint(int heavyTicks);
