#include "app/helicopter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include "tests/app/log_lines.h"
#include "tests/support/headless_session.h"
#include "traffic/random_sequence.h"

using namespace loglines;
using ::testing::ElementsAreArray;

TEST(Helicopter, DrawsBodyTailRotorPoseAndTailLightFromTheGenerator) {
    LoggedDisplay d;
    std::set<int> posesSeen;
    std::set<bool> tailsSeen;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        const std::vector<int> r = upcomingRands(seed, 3);
        drawHelicopter(d.display, -40, 120, 12);
        EXPECT_THAT(d.takeLog(),
                    ElementsAreArray(helicopter("turquoise", -40, 120, r[0] % 3, r[1] % 2 == 0)))
            << "seed " << seed;
        EXPECT_EQ(nextRandom(), r[2]) << "two draws per helicopter, seed " << seed;
        posesSeen.insert(r[0] % 3);
        tailsSeen.insert(r[1] % 2 == 0);
    }
    EXPECT_EQ(posesSeen.size(), 3u);
    EXPECT_EQ(tailsSeen.size(), 2u);
}

TEST(Helicopter, LaunchDrawsXThenColourAndStartsAtTheBottom) {
    for (unsigned seed : {5u, 6u, 7u, 8u}) {
        const std::vector<int> r = upcomingRands(seed, 2);
        int x = 999, y = 999, colour = -1;
        launchHelicopter(x, y, colour);
        EXPECT_EQ(x, r[0] % 541 - 270);
        EXPECT_EQ(y, -170);
        int expectedColour = r[1] % 20 + 2;
        if (expectedColour == 2 || expectedColour == 9) expectedColour = 7;
        EXPECT_EQ(colour, expectedColour);
    }
}

// Colours 2 and 9 fold into 7, so 7 has three of the twenty chances and every other
// colour of 3..21 one.
TEST(Helicopter, LaunchNeverRedOrNavyAndCyanThreeTimesAsOften) {
    seedRandom(2024);
    constexpr int Launches = 60000;
    std::array<int, 24> counts{};
    int minX = 1000, maxX = -1000;
    for (int i = 0; i < Launches; ++i) {
        int x, y, colour;
        launchHelicopter(x, y, colour);
        ASSERT_GE(colour, 0);
        ASSERT_LT(colour, 24);
        ++counts[colour];
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
    }
    EXPECT_EQ(minX, -270);
    EXPECT_EQ(maxX, 270);
    EXPECT_EQ(counts[2], 0);
    EXPECT_EQ(counts[9], 0);
    EXPECT_EQ(counts[0] + counts[1] + counts[22] + counts[23], 0);
    const double single = Launches / 20.0;  // 3000 launches per ordinary colour
    for (int c = 3; c <= 21; ++c) {
        if (c == 7 || c == 9) continue;
        EXPECT_NEAR(counts[c], single, 0.1 * single) << "colour " << c;
    }
    EXPECT_NEAR(counts[7], 3 * single, 0.1 * single);
}

namespace {
struct Step {
    int flightCount, dx, dy;
};
}  // namespace

TEST(Helicopter, EachFlightCountHasItsOwnStep) {
    const Step steps[] = {{0, 3, 3}, {4, -3, 5}, {7, 0, 10}, {23, 0, 20}, {28, -3, 10},
                          {3, 3, 3}, {1, 0, 5},  {8, -3, 5}, {14, 0, 10}, {46, 0, 20}};
    for (const Step& s : steps) {
        int x = 10, y = -170, f = s.flightCount, colour = 12;
        moveHelicopter(x, y, f, colour, 1);
        EXPECT_EQ(x, 10 + s.dx) << "flight " << s.flightCount;
        EXPECT_EQ(y, -170 + s.dy) << "flight " << s.flightCount;
        EXPECT_EQ(f, s.flightCount);
        EXPECT_EQ(colour, 12);
    }
}

// The area is open: on its edge the helicopter has already left it.
TEST(Helicopter, MovesOnlyStrictlyInsideTheArea) {
    struct Case {
        int x, y;
        bool moves;
    };
    const Case cases[] = {{0, 279, true},   {0, 280, false},  {0, -279, true},
                          {0, -280, false}, {319, 0, true},   {320, 0, false},
                          {-319, 0, true},  {-320, 0, false}, {500, 500, false}};
    for (const Case& c : cases) {
        int x = c.x, y = c.y, f = 0, colour = 12;
        moveHelicopter(x, y, f, colour, 299);
        EXPECT_EQ(x != c.x || y != c.y, c.moves) << "at (" << c.x << ", " << c.y << ")";
        EXPECT_EQ(f, 0);
        EXPECT_EQ(colour, 12);
    }
}

TEST(Helicopter, WaitsOutsideUntilATickThatIsAMultipleOf300) {
    seedRandom(77);
    int x = 40, y = 283, f = 5, colour = 12;
    for (int tick = 301; tick < 600; ++tick) {
        moveHelicopter(x, y, f, colour, tick);
        ASSERT_EQ(x, 40);
        ASSERT_EQ(y, 283);
        ASSERT_EQ(f, 5);
        ASSERT_EQ(colour, 12);
    }
    const std::vector<int> r = upcomingRands(78, 2);
    moveHelicopter(x, y, f, colour, 600);
    EXPECT_EQ(f, 6);
    EXPECT_EQ(x, r[0] % 541 - 270);
    EXPECT_EQ(y, -170);
    const int launchColour = r[1] % 20 + 2;
    EXPECT_EQ(colour, launchColour == 2 || launchColour == 9 ? 7 : launchColour);
}

// Over many flights the helicopter climbs out, waits, and restarts with one more flight.
TEST(Helicopter, EveryFlightLeavesAndIsRelaunchedOnce) {
    seedRandom(31);
    int x, y, colour, f = 0;
    launchHelicopter(x, y, colour);
    int relaunches = 0;
    for (int tick = 1; tick <= 30000; ++tick) {
        const int before = f;
        moveHelicopter(x, y, f, colour, tick);
        if (f != before) {
            ASSERT_EQ(f, before + 1);
            ASSERT_EQ(tick % 300, 0);
            ASSERT_EQ(y, -170);
            ++relaunches;
        }
        // A helicopter that left stops within one step of the edge.
        ASSERT_GT(x, -324);
        ASSERT_LT(x, 324);
        ASSERT_LT(y, 300);
    }
    EXPECT_EQ(f, relaunches);
    EXPECT_GT(relaunches, 50);
}
