// The root of everything the town holds and of every vehicle.
#pragma once

#include "traffic/random_sequence.h"
#include "vehicles/library_names.h"

class TownObject {
public:
    virtual ~TownObject() = default;
    virtual void draw(Display& display) = 0;
    // tick is the main loop's frame counter, passed on by reference and only read.
    virtual void update(int& tick, int trafficMode) = 0;

    // lo..hi, both ends included, from the program's one generator.
    static int randomInRange(int lo, int hi) { return lo + nextRandom() % (hi - lo + 1); }
};

// The pieces of road: lanes and intersections.
class RoadElement : public TownObject {};
