#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/town_layout.h"
#include "tests/support/headless_session.h"
#include "traffic/intersection.h"
#include "traffic/lane.h"
#include "traffic/random_sequence.h"
#include "traffic/town.h"

namespace {

// Every square holds a vehicle exactly while it says it is occupied.
bool squaresConsistent(const Town& town) {
    bool consistent = true;
    town.forEach([&consistent](TownObject* o) {
        if (auto* i = dynamic_cast<Intersection*>(o))
            consistent = consistent && i->isOccupied() == (i->crossingVehicle() != nullptr);
    });
    return consistent;
}

}  // namespace

TEST(TownRun, HeavyTrafficForAHundredThousandTicks) {
    HeadlessSession session;
    Display display;
    seedRandom(1);
    TownLayout layout;
    Town town;
    layout.buildTown(town);

    constexpr int ticks = 100000;
    std::vector<int> samples;
    std::chrono::steady_clock::duration updating{};
    for (int tick = 1; tick <= ticks; ++tick) {
        int t = tick;
        const auto before = std::chrono::steady_clock::now();
        town.update(t, 0);
        updating += std::chrono::steady_clock::now() - before;
        ASSERT_EQ(t, tick);  // the counter is only read
        if (tick % 1000 == 0) {
            samples.push_back(layout.vehiclesInTown());
            ASSERT_TRUE(squaresConsistent(town)) << tick;
            town.draw(display);
        }
    }

    std::vector<int> sorted = samples;
    std::sort(sorted.begin(), sorted.end());
    const double microsPerTick =
        std::chrono::duration<double, std::micro>(updating).count() / ticks;
    std::printf("vehicles every 1000 ticks: min %d, median %d, max %d; %.2f us per tick\n",
                sorted.front(), sorted[sorted.size() / 2], sorted.back(), microsPerTick);
    std::printf("samples:");
    for (int s : samples) std::printf(" %d", s);
    std::printf("\n");
    EXPECT_GT(sorted.back(), 0);  // traffic did enter the town
}
