#include "traffic/intersection.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "tests/support/headless_session.h"
#include "tests/support/log_lines.h"
#include "tests/traffic/tracked_vehicle.h"
#include "tests/vehicles/point_printing.h"
#include "traffic/random_sequence.h"
#include "vehicles/vehicle_kinds.h"

namespace {

Point offsetFrom(Point p, Direction side, int distance) {
    p.advance(side, distance);
    return p;
}

// An intersection at the origin with a neighbour 200 units away on each side;
// connect() lays one lane between them.
class Crossroads : public ::testing::Test {
protected:
    void SetUp() override {
        seedRandom(1);
        for (Direction d = North; d <= West; ++d)
            neighbours[d] = std::make_unique<Intersection>(offsetFrom(Point(0, 0), d, 200));
    }
    void connect(Direction side, LaneRole role) {
        Lane& lane = lanes[side][role];
        centre.attachLane(&lane, side, role);
        neighbours[side]->attachLane(&lane, opposite(side), role == Incoming ? Outgoing : Incoming);
    }
    void connectAll() {
        for (Direction d = North; d <= West; ++d) {
            connect(d, Incoming);
            connect(d, Outgoing);
        }
    }
    // A vehicle at the very start of the end zone of the lane coming in on a side.
    TrackedVehicle* waiting(Direction side, Point target) {
        static const Point zoneStart[] = {{-10, 30}, {30, 10}, {10, -30}, {-30, -10}};
        auto* v = new TrackedVehicle(target, &deletions);
        lanes[side][Incoming].enqueue(v);
        v->setPosition(zoneStart[side]);
        return v;
    }
    void step(int tick, int mode = 1) { centre.update(tick, mode); }
    int outgoingCount() const {
        int n = 0;
        for (Direction d = North; d <= West; ++d) n += lanes[d][Outgoing].count();
        return n;
    }

    int deletions = 0;
    std::array<std::unique_ptr<Intersection>, 4> neighbours;
    Lane lanes[4][2];
    Intersection centre{Point(0, 0)};
};

}  // namespace

TEST(IntersectionGeometry, LanesJoinAtTheEdgeMiddlesAndCorners) {
    const int x = 50, y = -30;
    Intersection i(Point(x, y));
    const Point expected[4][2] = {{{x, y + 20}, {x + 20, y + 20}},
                                  {{x + 20, y}, {x + 20, y - 20}},
                                  {{x, y - 20}, {x - 20, y - 20}},
                                  {{x - 20, y}, {x - 20, y + 20}}};
    Lane lanes[4][2];
    for (Direction side = North; side <= West; ++side) {
        for (LaneRole role : {Incoming, Outgoing}) {
            Lane& lane = lanes[side][role];
            i.attachLane(&lane, side, role);
            const int end = role == Incoming ? 1 : 0;
            EXPECT_EQ(lane.endPoint(end), expected[side][role]) << side << " " << role;
            EXPECT_TRUE(lane.endPointSet(end));
            EXPECT_FALSE(lane.endPointSet(1 - end));
            EXPECT_EQ(lane.endIntersection(end), &i);
            EXPECT_EQ(lane.endIntersection(1 - end), nullptr);
            EXPECT_EQ(i.lane(side, role), &lane);
        }
    }
    Lane stray;
    i.attachLane(&stray, 4, Incoming);
    i.attachLane(&stray, -1, Outgoing);
    EXPECT_FALSE(stray.endPointSet(0) || stray.endPointSet(1));
    EXPECT_EQ(i.lane(4, Incoming), nullptr);
}

TEST(IntersectionGeometry, EdgesAndCentre) {
    Intersection i(Point(50, -30));
    EXPECT_EQ(i.edgeCoordinate(North), -10);
    EXPECT_EQ(i.edgeCoordinate(East), 70);
    EXPECT_EQ(i.edgeCoordinate(South), -50);
    EXPECT_EQ(i.edgeCoordinate(West), 30);
    EXPECT_EQ(i.edgeCoordinate(4), 0);
    EXPECT_EQ(i.edgeCoordinate(-1), 0);
    i.setPosition(Point(7, 8));
    EXPECT_EQ(i.position(), Point(7, 8));
    EXPECT_EQ(i.light().position(), Point(7, 8));
    EXPECT_EQ(Intersection().position(), Point(0, 0));
    EXPECT_TRUE(Intersection().isReady());
    EXPECT_EQ(Intersection().exitDirection(), North);
}

TEST_F(Crossroads, LanesBetweenNeighboursHeadAwayFromTheirStart) {
    connectAll();
    for (Direction d = North; d <= West; ++d) {
        EXPECT_EQ(lanes[d][Outgoing].heading(), d);
        EXPECT_EQ(lanes[d][Incoming].heading(), opposite(d));
    }
}

TEST_F(Crossroads, InnerIntersectionNeverSpawns) {
    connectAll();
    for (unsigned seed = 1; seed <= 20; ++seed) {
        seedRandom(seed);
        step(0, seed % 2);  // tick 0 is a multiple of every period
    }
    EXPECT_EQ(outgoingCount(), 0);
}

TEST(IntersectionSpawning, EdgeSpawnsOntoTheLaneLeavingItsSide) {
    seedRandom(1);
    for (Direction d = North; d <= West; ++d) {
        Intersection edge(Point(0, 0));
        Intersection next(offsetFrom(Point(0, 0), d, 200));
        Lane in, out, across;
        edge.attachLane(&in, d, Incoming);
        next.attachLane(&in, opposite(d), Outgoing);
        edge.attachLane(&out, d, Outgoing);
        next.attachLane(&out, opposite(d), Incoming);
        int t = 0;
        edge.update(t, 0);
        ASSERT_EQ(out.count(), 1) << d;
        EXPECT_EQ(out.front()->position(), out.entryPoint());
        EXPECT_EQ(out.front()->heading(), d);  // away from the edge
        EXPECT_EQ(in.count(), 0);

        // A road leaving on the opposite side means this is no edge.
        edge.attachLane(&across, opposite(d), Outgoing);
        edge.update(t, 0);
        EXPECT_EQ(out.count(), 1) << d;
    }
}

TEST_F(Crossroads, NoSpawnWithoutAnIncomingLaneOnThatSide) {
    connect(South, Outgoing);
    step(0);
    EXPECT_EQ(outgoingCount(), 0);
}

TEST_F(Crossroads, EveryCallDrawsItsOwnPeriod) {
    seedRandom(9);
    for (int i = 0; i < 4; ++i) nextRandom();
    const int fifth = nextRandom();
    seedRandom(9);
    step(1);  // four sides, no lanes: four periods drawn, nothing else
    EXPECT_EQ(nextRandom(), fifth);
}

TEST_F(Crossroads, PeriodIs300To400WhenHeavyAnd300To700Otherwise) {
    connect(South, Incoming);
    connect(South, Outgoing);
    Lane* in = &lanes[South][Incoming];
    Lane& out = lanes[South][Outgoing];
    int spawned = 0;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        seedRandom(seed);
        const int r = nextRandom();
        const int heavy = 300 + r % 101;
        const int light = 300 + r % 401;
        for (int mode : {0, 1, -1, 2}) {
            const int period = mode == 0 ? heavy : light;
            seedRandom(seed);
            centre.spawnVehicle(period + 1, South, mode, in);
            EXPECT_EQ(out.count(), spawned) << seed << " " << mode;
            seedRandom(seed);
            centre.spawnVehicle(2 * period, South, mode, in);
            EXPECT_EQ(out.count(), ++spawned) << seed << " " << mode;
        }
    }
}

TEST_F(Crossroads, SpawnedKindFollowsTheDrawAfterThePeriod) {
    connect(West, Incoming);
    connect(West, Outgoing);
    seedRandom(4);
    nextRandom();
    const int kind = 1 + nextRandom() % 30;
    seedRandom(4);
    centre.spawnVehicle(0, West, 0, &lanes[West][Incoming]);
    ASSERT_EQ(lanes[West][Outgoing].count(), 1);
    const std::unique_ptr<Vehicle> sameKind = makeVehicle(kind);
    EXPECT_EQ(typeid(*lanes[West][Outgoing].front()), typeid(*sameKind));
}

TEST_F(Crossroads, VehicleCrossesStraightTurnsAfter35TicksAndJoinsTheExitLane) {
    connectAll();
    TrackedVehicle* v = waiting(South, Point(200, 0));
    step(1);
    ASSERT_EQ(centre.crossingVehicle(), v);
    EXPECT_EQ(v->position(), Point(10, -20));  // the near edge of the square
    EXPECT_FALSE(centre.isReady());
    EXPECT_EQ(centre.exitDirection(), East);
    EXPECT_EQ(lanes[South][Incoming].count(), 0);
    for (int t = 2; t <= 36; ++t) {
        EXPECT_EQ(v->heading(), North) << t;
        step(t);
        EXPECT_EQ(v->position(), Point(10, -20 + t - 1));
    }
    EXPECT_EQ(v->heading(), East);
    for (int t = 37; t <= 46; ++t) {
        step(t);
        EXPECT_EQ(v->position(), Point(10 + t - 36, 15));
        EXPECT_EQ(centre.crossingVehicle(), v);
    }
    EXPECT_EQ(centre.crossingTicks(), 9);
    step(47);
    EXPECT_EQ(centre.crossingVehicle(), nullptr);
    EXPECT_TRUE(centre.isReady());
    EXPECT_FALSE(centre.isOccupied());
    ASSERT_EQ(lanes[East][Outgoing].front(), v);
    EXPECT_EQ(v->position(), Point(20, -10));
    EXPECT_EQ(v->heading(), East);
    EXPECT_EQ(v->updates, 44);  // every move but the one that restarts the count

    // The count the first vehicle left behind shortens the next one's straight part.
    TrackedVehicle* w = waiting(South, Point(200, 0));
    step(48);
    ASSERT_EQ(centre.crossingVehicle(), w);
    for (int t = 49; t <= 73; ++t) step(t);
    EXPECT_EQ(w->heading(), North);
    step(74);
    EXPECT_EQ(w->heading(), East);
    EXPECT_EQ(w->position(), Point(10, 6));
}

TEST_F(Crossroads, AWaitingVehicleRechoosesTheExitOfTheOneCrossing) {
    connectAll();
    TrackedVehicle* first = waiting(South, Point(200, 0));
    step(1);
    TrackedVehicle* second = waiting(South, Point(-200, 0));
    step(2);
    EXPECT_EQ(centre.exitDirection(), West);
    int t = 3;
    for (; t <= 36; ++t) step(t);
    EXPECT_EQ(first->heading(), West);
    while (centre.crossingVehicle() == first && t < 200) step(t++);
    EXPECT_EQ(lanes[West][Outgoing].front(), first);
    EXPECT_EQ(centre.crossingVehicle(), second);  // taken in the same tick
}

TEST_F(Crossroads, ExitBiasOfTen) {
    connectAll();
    struct Case {
        Direction side;
        int difference;
        Direction exit;
    };
    // Level or anywhere short of 10 turns west (from north or south) or south (from east or west).
    const Case cases[] = {{North, 11, East},  {North, 9, West},  {North, 0, West},
                          {North, -50, West}, {South, 11, East}, {South, 9, West},
                          {East, 11, North},  {East, 9, South},  {East, 0, South},
                          {West, 11, North},  {West, -3, South}};
    for (const Case& c : cases) {
        TrackedVehicle* v = waiting(c.side, farAway);
        const Point p = v->position();
        const bool byX = c.side == North || c.side == South;
        v->setTarget(byX ? Point(p.x() + c.difference, p.y() - 300)
                         : Point(p.x() - 300, p.y() + c.difference));
        Lane* out = &lanes[opposite(c.side)][Outgoing];
        centre.chooseExit(&lanes[c.side][Incoming], out, c.side);
        EXPECT_EQ(centre.exitDirection(), c.exit) << c.side << " " << c.difference;
        EXPECT_EQ(out, &lanes[c.exit][Outgoing]);
        delete lanes[c.side][Incoming].dequeue();
    }
}

TEST_F(Crossroads, DifferenceOfExactlyTenGoesStraightAndKeepsThePreviousChoice) {
    connectAll();
    TrackedVehicle* v = waiting(East, Point(0, 0));
    v->setTarget(Point(-300, v->position().y() + 11));
    Lane* out = &lanes[West][Outgoing];
    centre.chooseExit(&lanes[East][Incoming], out, East);
    ASSERT_EQ(centre.exitDirection(), North);
    v->setTarget(Point(-300, v->position().y() + 10));
    out = &lanes[West][Outgoing];
    centre.chooseExit(&lanes[East][Incoming], out, East);
    EXPECT_EQ(out, &lanes[West][Outgoing]);
    EXPECT_EQ(centre.exitDirection(), North);
}

TEST_F(Crossroads, ChoosingASideWithoutARoadLeavesTheTownAtOnce) {
    connect(South, Incoming);
    connect(North, Outgoing);
    waiting(South, Point(200, 0));
    step(1);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(lanes[South][Incoming].count(), 0);
    EXPECT_EQ(centre.crossingVehicle(), nullptr);
    EXPECT_TRUE(centre.isReady());
}

TEST_F(Crossroads, RoomIsAskedOfTheStraightOnLane) {
    connect(South, Incoming);
    connect(North, Outgoing);
    connect(East, Outgoing);
    auto* blocker = new TrackedVehicle(farAway, &deletions);
    lanes[North][Outgoing].enqueue(blocker);
    blocker->setPosition(Point(10, 100));  // 80 from the start: the lane refuses
    TrackedVehicle* v = waiting(South, Point(200, 0));
    step(1);
    EXPECT_EQ(lanes[South][Incoming].front(), v);
    EXPECT_EQ(centre.exitDirection(), North);  // no choice was made
    blocker->setPosition(Point(10, 30));
    step(2);
    EXPECT_EQ(centre.crossingVehicle(), v);
}

TEST_F(Crossroads, TheLightHoldsEachAxis) {
    connectAll();
    TrackedVehicle* fromEast = waiting(East, Point(-100, -150));
    step(84);  // east-west stops on this tick only
    EXPECT_EQ(lanes[East][Incoming].front(), fromEast);
    step(85);
    EXPECT_EQ(centre.crossingVehicle(), fromEast);
}

TEST(IntersectionLight, NorthSouthWaitsThroughItsStopWindow) {
    seedRandom(1);
    int deletions = 0;
    Intersection i(Point(0, 0));
    Lane in, out, westOut;
    i.attachLane(&in, North, Incoming);
    i.attachLane(&out, South, Outgoing);
    i.attachLane(&westOut, West, Outgoing);
    in.setEndPoint(Point(-20, 180), 0);
    auto* v = new TrackedVehicle(Point(-100, -150), &deletions);
    in.enqueue(v);
    v->setPosition(Point(-10, 31));  // just short of the end zone
    int t = 1;
    for (; t <= 86; ++t) i.update(t, 1);
    v->setPosition(Point(-10, 30));
    for (; t <= 168; ++t) i.update(t, 1);  // stopped 87..167; 168 stops east-west, its exit
    EXPECT_EQ(in.front(), v);
    i.update(t, 1);
    EXPECT_EQ(i.crossingVehicle(), v);
    EXPECT_EQ(i.exitDirection(), West);
}

TEST_F(Crossroads, StoppedExitAxisEndsTheWholeUpdate) {
    // From the north, 11 east: exit East, stopped at tick 0; the south side then
    // neither spawns nor is served.
    for (int difference : {11, 10}) {
        Intersection edge(Point(0, 0));
        Lane northIn, eastOut, southIn, southOut;
        edge.attachLane(&northIn, North, Incoming);
        edge.attachLane(&eastOut, East, Outgoing);
        edge.attachLane(&southIn, South, Incoming);
        edge.attachLane(&southOut, South, Outgoing);
        northIn.setEndPoint(Point(-20, 180), 0);
        southOut.setEndPoint(Point(0, -180), 1);
        auto* v = new TrackedVehicle(Point(-10 + difference, -150), &deletions);
        northIn.enqueue(v);
        v->setPosition(Point(-10, 30));
        int t = 0;
        edge.update(t, 0);
        if (difference == 11) {
            EXPECT_EQ(northIn.front(), v);
            EXPECT_EQ(southOut.count(), 0);
        } else {
            // Straight on: exitDirection keeps North, which may go at tick 0.
            EXPECT_EQ(edge.crossingVehicle(), v);
            EXPECT_EQ(southOut.count(), 1);
        }
    }
}

TEST_F(Crossroads, HeldVehicleStaysUntilTheNextOneReplacesIt) {
    connectAll();
    auto* blocker = new TrackedVehicle(farAway, &deletions);
    lanes[East][Outgoing].enqueue(blocker);
    blocker->setPosition(Point(100, -10));  // the exit lane refuses
    TrackedVehicle* first = waiting(South, Point(200, 0));
    for (int t = 1; t <= 47; ++t) step(t);
    EXPECT_EQ(centre.crossingVehicle(), first);
    EXPECT_TRUE(centre.isReady());
    EXPECT_TRUE(centre.isOccupied());
    const Point heldAt = first->position();
    step(48);
    EXPECT_EQ(first->position(), heldAt);

    LoggedDisplay d;
    centre.draw(d.display);
    EXPECT_EQ(d.takeLog().size(), 1u + 3 + 4);  // square, the held vehicle, four lamps

    TrackedVehicle* second = waiting(South, Point(200, 0));
    step(49);
    EXPECT_EQ(centre.crossingVehicle(), second);
    EXPECT_EQ(deletions, 1);  // the held one is gone
}

TEST_F(Crossroads, LeavingTheTownWhileAnotherCrossesHoldsTheCrossingOne) {
    connect(South, Incoming);
    connect(East, Outgoing);
    connect(West, Incoming);
    TrackedVehicle* crossing = waiting(South, Point(200, 0));
    step(1);
    ASSERT_EQ(centre.crossingVehicle(), crossing);
    waiting(West, Point(-300, 150));  // turns north, where no road leaves
    step(2);
    EXPECT_EQ(deletions, 1);
    EXPECT_TRUE(centre.isReady());
    const Point heldAt = crossing->position();
    EXPECT_EQ(heldAt, Point(10, -19));
    for (int t = 3; t <= 60; ++t) step(t);
    EXPECT_EQ(crossing->position(), heldAt);
    EXPECT_TRUE(centre.isOccupied());
}

TEST_F(Crossroads, DrawsTheSquareThenTheVehicleThenTheLamps) {
    connectAll();
    LoggedDisplay d;
    centre.draw(d.display);
    using namespace loglines;
    const std::vector<std::string> lamps = {circle(3, 15, 5, 3), circle(22, 15, -5, 3),
                                            circle(22, -5, 0, 3), circle(2, 5, 0, 3)};
    std::vector<std::string> expected = {rectangle(0, -20, -20, 20, 20, 0)};
    expected.insert(expected.end(), lamps.begin(), lamps.end());
    EXPECT_EQ(d.takeLog(), expected);

    waiting(South, Point(200, 0));
    step(1);
    centre.draw(d.display);
    const std::vector<std::string> log = d.takeLog();
    ASSERT_EQ(log.size(), 1u + 3 + 4);
    EXPECT_EQ(log[0], rectangle(0, -20, -20, 20, 20, 0));
    EXPECT_EQ(log[1], rectangle(5, 5, -25, 15, -15, 0));  // the vehicle's body at (10, -20)
    EXPECT_EQ(std::vector<std::string>(log.begin() + 4, log.end()), lamps);
}

TEST_F(Crossroads, DestroyingTheIntersectionDeletesTheVehicleOnTheSquare) {
    {
        Intersection i(Point(0, 0));
        i.acceptVehicle(new TrackedVehicle(farAway, &deletions));
        EXPECT_TRUE(i.isOccupied());
    }
    EXPECT_EQ(deletions, 1);
    Intersection j(Point(0, 0));
    auto* v = new TrackedVehicle(farAway, &deletions);
    v->setHeading(West);
    v->setPosition(Point(40, 7));
    j.acceptVehicle(v);
    EXPECT_EQ(v->position(), Point(20, 7));
    EXPECT_EQ(j.releaseVehicle(), v);
    EXPECT_FALSE(j.isOccupied());
    delete v;
}
