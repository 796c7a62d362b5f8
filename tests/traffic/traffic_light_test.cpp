#include "traffic/traffic_light.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/support/headless_session.h"
#include "tests/support/log_lines.h"

using ::testing::ElementsAre;

namespace {
void step(TrafficLight& light, int tick) {
    light.update(tick, 0);
}

// North-south must stop when the latest multiple of 87 (not also of 84) at or
// before t is later than the latest multiple of 84; counted from tick 1.
bool northSouthStopsAt(int t) {
    int last84 = 0, last87 = 0;
    for (int k = 1; k <= t; ++k) {
        if (k % 84 == 0)
            last84 = k;
        else if (k % 87 == 0)
            last87 = k;
    }
    return last87 > last84;
}
}  // namespace

TEST(TrafficLight, StartsWithNorthSouthGoingAndEastWestStopped) {
    TrafficLight light;
    EXPECT_FALSE(light.mustStop(North));
    EXPECT_FALSE(light.mustStop(South));
    EXPECT_TRUE(light.mustStop(East));
    EXPECT_TRUE(light.mustStop(West));
    EXPECT_TRUE(light.mustStop(4));
    EXPECT_TRUE(light.mustStop(-1));
    step(light, 1);
    EXPECT_FALSE(light.mustStop(North));
    EXPECT_FALSE(light.mustStop(East));
}

TEST(TrafficLight, WholePeriodMatchesAnIndependentCount) {
    TrafficLight light;
    int northSouthGo = 0, eastWestGo = 0;
    for (int t = 1; t <= 2436; ++t) {
        step(light, t);
        ASSERT_EQ(light.mustStop(North), northSouthStopsAt(t)) << t;
        EXPECT_EQ(light.mustStop(South), light.mustStop(North));
        EXPECT_EQ(light.mustStop(East), t % 84 == 0) << t;
        EXPECT_EQ(light.mustStop(West), light.mustStop(East));
        northSouthGo += !light.mustStop(North);
        eastWestGo += !light.mustStop(East);
    }
    // The go windows: 86 ticks, then 6, 9, ..., 81, and a last one of 85 that runs
    // to the end of the period, since 2436 is a multiple of both 84 and 87.
    int windows = 86 + 85;
    for (int w = 6; w <= 81; w += 3) windows += w;
    EXPECT_EQ(northSouthGo, windows);
    EXPECT_EQ(windows, 1302);
    EXPECT_EQ(eastWestGo, 2436 - 29);

    // The next period repeats the first one.
    TrafficLight fresh;
    for (int t = 1; t <= 2436; ++t) step(fresh, t);
    for (int t = 2437; t <= 2 * 2436; ++t) {
        step(light, t);
        ASSERT_EQ(light.mustStop(North), northSouthStopsAt(t - 2436)) << t;
    }
}

TEST(TrafficLight, StatedWindowsAndSingleTicks) {
    TrafficLight light;
    for (int t = 1; t <= 260; ++t) {
        step(light, t);
        const bool stop = (t >= 87 && t <= 167) || (t >= 174 && t <= 251);
        ASSERT_EQ(light.mustStop(North), stop) << t;
        if (t == 84) {
            EXPECT_TRUE(light.mustStop(East));
        }
        if (t == 85) {
            EXPECT_FALSE(light.mustStop(East));
        }
    }
    step(light, 261);
    EXPECT_TRUE(light.mustStop(North));  // 261 = 3 x 87
}

TEST(TrafficLight, ZeroAndNegativeTicksUseTheRemainder) {
    TrafficLight zero;
    step(zero, 5);
    step(zero, 0);  // a multiple of 84
    EXPECT_FALSE(zero.mustStop(North));
    EXPECT_TRUE(zero.mustStop(East));

    TrafficLight negative;
    step(negative, -87);
    EXPECT_TRUE(negative.mustStop(North));
    EXPECT_FALSE(negative.mustStop(East));
    step(negative, -85);
    EXPECT_TRUE(negative.mustStop(North));
    step(negative, -84);
    EXPECT_FALSE(negative.mustStop(North));
    EXPECT_TRUE(negative.mustStop(East));
    step(negative, -2436);  // both: 84 wins
    EXPECT_FALSE(negative.mustStop(North));
    EXPECT_TRUE(negative.mustStop(East));
}

TEST(TrafficLight, LampsShowTheNorthSouthFlag) {
    LoggedDisplay d;
    TrafficLight light;
    light.setPosition(Point(-100, 225));
    light.draw(d.display);
    using namespace loglines;
    EXPECT_THAT(d.takeLog(), ElementsAre(circle(3, -85, 230, 3), circle(22, -85, 220, 3),
                                         circle(22, -105, 225, 3), circle(2, -95, 225, 3)));
    step(light, 87);
    light.draw(d.display);
    EXPECT_THAT(d.takeLog(), ElementsAre(circle(22, -85, 230, 3), circle(2, -85, 220, 3),
                                         circle(3, -105, 225, 3), circle(22, -95, 225, 3)));
}
