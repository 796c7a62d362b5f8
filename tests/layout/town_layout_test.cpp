#include "app/town_layout.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "tests/vehicles/point_printing.h"
#include "traffic/intersection.h"
#include "traffic/lane.h"
#include "traffic/random_sequence.h"
#include "traffic/town.h"

namespace {

struct IntersectionRow {
    Point centre;
    std::set<Direction> sides;
};

// I1..I18 as the layout gives them.
const IntersectionRow intersectionTable[] = {
    {{0, 0}, {North, East, South, West}}, {{0, 100}, {North, East, South, West}},
    {{0, 225}, {East, South, West}},      {{-100, 100}, {North, East, South, West}},
    {{275, 100}, {North, South, West}},   {{275, 225}, {South, West}},
    {{275, 0}, {North, South, West}},     {{150, 0}, {East, South, West}},
    {{-100, 225}, {East, South, West}},   {{-100, 0}, {North, East, South, West}},
    {{-275, 225}, {East, South}},         {{-275, 100}, {North, East, South}},
    {{-275, 0}, {North, East, South}},    {{-275, -190}, {North, East}},
    {{-100, -190}, {North, East, West}},  {{0, -190}, {North, East, West}},
    {{150, -190}, {North, East, West}},   {{275, -190}, {North, West}},
};

struct LaneRow {
    int from;
    Direction fromSide;
    int to;
    Direction toSide;
    Direction heading;
    Point start, end;
};

// L1..L54 as the layout gives them.
const LaneRow laneTable[] = {
    {1, North, 2, South, North, {20, 20}, {0, 80}},
    {2, North, 3, South, North, {20, 120}, {0, 205}},
    {2, South, 1, North, South, {-20, 80}, {0, 20}},
    {3, South, 2, North, South, {-20, 205}, {0, 120}},
    {4, East, 2, West, East, {-80, 80}, {-20, 100}},
    {2, West, 4, East, West, {-20, 120}, {-80, 100}},
    {2, East, 5, West, East, {20, 80}, {255, 100}},
    {5, West, 2, East, West, {255, 120}, {20, 100}},
    {1, East, 8, West, East, {20, -20}, {130, 0}},
    {8, West, 1, East, West, {130, 20}, {20, 0}},
    {1, West, 10, East, West, {-20, 20}, {-80, 0}},
    {10, East, 1, West, East, {-80, -20}, {-20, 0}},
    {10, North, 4, South, North, {-80, 20}, {-100, 80}},
    {4, South, 10, North, South, {-120, 80}, {-100, 20}},
    {4, North, 9, South, North, {-80, 120}, {-100, 205}},
    {9, South, 4, North, South, {-120, 205}, {-100, 120}},
    {9, East, 3, West, East, {-80, 205}, {-20, 225}},
    {3, West, 9, East, West, {-20, 245}, {-80, 225}},
    {3, East, 6, West, East, {20, 205}, {255, 225}},
    {6, West, 3, East, West, {255, 245}, {20, 225}},
    {6, South, 5, North, South, {255, 205}, {275, 120}},
    {5, North, 6, South, North, {295, 120}, {275, 205}},
    {5, South, 7, North, South, {255, 80}, {275, 20}},
    {7, North, 5, South, North, {295, 20}, {275, 80}},
    {7, West, 8, East, West, {255, 20}, {170, 0}},
    {8, East, 7, West, East, {170, -20}, {255, 0}},
    {9, West, 11, East, West, {-120, 245}, {-255, 225}},
    {11, East, 9, West, East, {-255, 205}, {-120, 225}},
    {4, West, 12, East, West, {-120, 120}, {-255, 100}},
    {12, East, 4, West, East, {-255, 80}, {-120, 100}},
    {10, West, 13, East, West, {-120, 20}, {-255, 0}},
    {13, East, 10, West, East, {-255, -20}, {-120, 0}},
    {11, South, 12, North, South, {-295, 205}, {-275, 120}},
    {12, North, 11, South, North, {-255, 120}, {-275, 205}},
    {12, South, 13, North, South, {-295, 80}, {-275, 20}},
    {13, North, 12, South, North, {-255, 20}, {-275, 80}},
    {13, South, 14, North, South, {-295, -20}, {-275, -170}},
    {14, North, 13, South, North, {-255, -170}, {-275, -20}},
    {10, South, 15, North, South, {-120, -20}, {-100, -170}},
    {15, North, 10, South, North, {-80, -170}, {-100, -20}},
    {1, South, 16, North, South, {-20, -20}, {0, -170}},
    {16, North, 1, South, North, {20, -170}, {0, -20}},
    {8, South, 17, North, South, {130, -20}, {150, -170}},
    {17, North, 8, South, North, {170, -170}, {150, -20}},
    {7, South, 18, North, South, {255, -20}, {275, -170}},
    {18, North, 7, South, North, {295, -170}, {275, -20}},
    {14, East, 15, West, East, {-255, -210}, {-120, -190}},
    {15, West, 14, East, West, {-120, -170}, {-255, -190}},
    {15, East, 16, West, East, {-80, -210}, {-20, -190}},
    {16, West, 15, East, West, {-20, -170}, {-80, -190}},
    {16, East, 17, West, East, {20, -210}, {130, -190}},
    {17, West, 16, East, West, {130, -170}, {20, -190}},
    {17, East, 18, West, East, {170, -210}, {255, -190}},
    {18, West, 17, East, West, {255, -170}, {170, -190}},
};

// The lanes that receive new vehicles: L4, L8, L16, L20, L21, L25, L28, L30,
// L32, L33, L38, L40, L42, L43, L44, L46, L47, L54.
const std::set<int> entryLanes = {4,  8,  16, 20, 21, 25, 28, 30, 32,
                                  33, 38, 40, 42, 43, 44, 46, 47, 54};

class BuiltTown : public ::testing::Test {
protected:
    void SetUp() override {
        seedRandom(1);
        layout.buildTown(town);
        town.forEach([this](TownObject* o) { objects.push_back(o); });
    }

    // The town lists the last added first: I18..I1, then L54..L1.
    Intersection* intersection(int k) const {
        return dynamic_cast<Intersection*>(objects.at(18 - k));
    }
    Lane* lane(int k) const { return dynamic_cast<Lane*>(objects.at(72 - k)); }

    TownLayout layout;
    Town town;
    std::vector<TownObject*> objects;
};

}  // namespace

TEST_F(BuiltTown, HoldsEighteenIntersectionsThenFiftyFourLanes) {
    ASSERT_EQ(objects.size(), 72u);
    EXPECT_EQ(town.size(), 72);
    for (int k = 1; k <= 18; ++k) {
        ASSERT_NE(intersection(k), nullptr) << "I" << k;
        EXPECT_EQ(intersection(k)->position(), intersectionTable[k - 1].centre) << "I" << k;
        EXPECT_EQ(intersection(k)->light().position(), intersectionTable[k - 1].centre);
    }
    for (int k = 1; k <= 54; ++k) ASSERT_NE(lane(k), nullptr) << "L" << k;
}

TEST_F(BuiltTown, EveryLaneRunsBetweenItsTwoIntersections) {
    for (int k = 1; k <= 54; ++k) {
        const LaneRow& row = laneTable[k - 1];
        const Lane* l = lane(k);
        EXPECT_EQ(l->heading(), row.heading) << "L" << k;
        EXPECT_EQ(l->heading(), row.fromSide) << "L" << k;
        EXPECT_EQ(l->endPoint(0), row.start) << "L" << k;
        EXPECT_EQ(l->endPoint(1), row.end) << "L" << k;
        EXPECT_EQ(l->endIntersection(0), intersection(row.from)) << "L" << k;
        EXPECT_EQ(l->endIntersection(1), intersection(row.to)) << "L" << k;
        EXPECT_EQ(intersection(row.from)->lane(row.fromSide, Outgoing), l) << "L" << k;
        EXPECT_EQ(intersection(row.to)->lane(row.toSide, Incoming), l) << "L" << k;
    }
}

TEST_F(BuiltTown, IntersectionsHaveRoadsOnTheirListedSidesOnly) {
    for (int k = 1; k <= 18; ++k) {
        for (Direction d = North; d <= West; ++d) {
            const bool road = intersectionTable[k - 1].sides.count(d) == 1;
            EXPECT_EQ(intersection(k)->lane(d, Incoming) != nullptr, road) << "I" << k << " " << d;
            EXPECT_EQ(intersection(k)->lane(d, Outgoing) != nullptr, road) << "I" << k << " " << d;
        }
    }
}

TEST_F(BuiltTown, NewVehiclesEnterOnTheEighteenEntryLanesOnly) {
    // Tick 0 is a multiple of every spawn period, so each entry lane gets one.
    for (int k = 1; k <= 18; ++k) {
        int t = 0;
        intersection(k)->update(t, 0);
    }
    for (int k = 1; k <= 54; ++k)
        EXPECT_EQ(lane(k)->count(), entryLanes.count(k) ? 1 : 0) << "L" << k;
}
