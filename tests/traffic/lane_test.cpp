#include "traffic/lane.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless_session.h"
#include "tests/support/log_lines.h"
#include "tests/traffic/tracked_vehicle.h"
#include "tests/vehicles/point_printing.h"
#include "traffic/random_sequence.h"
#include "vehicles/emergency_vehicles.h"

namespace {

void setEnds(Lane& lane, Point start, Point finish) {
    lane.setEndPoint(start, 0);
    lane.setEndPoint(finish, 1);
}

void tick(Lane& lane, int t = 1) {
    lane.update(t, 0);
}

// A long northbound lane: entry (10, 20), end zone from y = 290.
class NorthLane : public ::testing::Test {
protected:
    void SetUp() override {
        seedRandom(1);
        setEnds(lane, Point(20, 20), Point(0, 300));
    }
    TrackedVehicle* add(Point at, Point target = farAway) {
        auto* v = new TrackedVehicle(target, &deletions);
        lane.enqueue(v);
        v->setPosition(at);
        return v;
    }
    int deletions = 0;
    Lane lane;
};

}  // namespace

TEST(LaneGeometry, HeadingFollowsTheCornerThatStarts) {
    struct Case {
        Point start, finish;
        Direction heading;
    };
    const Case cases[] = {
        {{-255, 80}, {-120, 100}, East}, {{20, 20}, {0, 80}, North},   {{-20, 80}, {0, 20}, South},
        {{-20, 20}, {-80, 0}, West},     {{20, -20}, {5, -170}, West}, {{0, 0}, {10, 0}, North},
        {{0, 0}, {0, -10}, North},       {{0, 0}, {0, 0}, North},      {{0, 0}, {-5, 7}, North},
    };
    for (const Case& c : cases) {
        Lane lane;
        lane.setEndPoint(c.finish, 1);  // either order: the heading waits for both
        EXPECT_FALSE(lane.endPointSet(0));
        lane.setEndPoint(c.start, 0);
        EXPECT_EQ(lane.heading(), c.heading)
            << c.start.x() << "," << c.start.y() << " to " << c.finish.x() << "," << c.finish.y();
        EXPECT_TRUE(lane.endPointSet(0) && lane.endPointSet(1));
    }
}

TEST(LaneGeometry, EntryPointAndEndZoneForEachHeading) {
    seedRandom(1);
    struct Case {
        Point start, finish, entry, lastOutside, firstInside;
    };
    const Case cases[] = {
        {{-255, 80}, {-120, 100}, {-255, 90}, {-131, 90}, {-130, 90}},  // East
        {{20, 20}, {0, 80}, {10, 20}, {10, 69}, {10, 70}},              // North
        {{-20, 80}, {0, 20}, {-10, 80}, {-10, 31}, {-10, 30}},          // South
        {{-20, 20}, {-80, 0}, {-20, 10}, {-69, 10}, {-70, 10}},         // West
        {{0, -3}, {10, 0}, {0, -1}, {-1, -1}, {0, -1}},  // halves truncate toward zero
    };
    for (const Case& c : cases) {
        Lane lane;
        setEnds(lane, c.start, c.finish);
        EXPECT_EQ(lane.entryPoint(), c.entry);
        TrackedVehicle v(farAway);
        v.setPosition(c.lastOutside);
        EXPECT_FALSE(lane.hasReachedEnd(v));
        v.setPosition(c.firstInside);
        EXPECT_TRUE(lane.hasReachedEnd(v));
    }
}

TEST(LaneGeometry, EndsOutsideZeroAndOneAreIgnored) {
    Lane lane;
    lane.setEndPoint(Point(5, 5), 2);
    lane.setEndPoint(Point(5, 5), -1);
    lane.setEndIntersection(nullptr, 7);
    EXPECT_FALSE(lane.endPointSet(0));
    EXPECT_FALSE(lane.endPointSet(1));
    EXPECT_EQ(lane.endPoint(0), Point(0, 0));
}

TEST_F(NorthLane, QueueIsFirstInFirstOut) {
    EXPECT_TRUE(lane.isEmpty());
    EXPECT_EQ(lane.dequeue(), nullptr);
    EXPECT_EQ(lane.front(), nullptr);
    EXPECT_FALSE(lane.frontAtEnd());
    auto* a = new TrackedVehicle(farAway, &deletions);
    a->setHeading(West);
    lane.enqueue(a);
    EXPECT_EQ(a->position(), Point(10, 20));
    EXPECT_EQ(a->heading(), North);
    TrackedVehicle* b = add(Point(10, 20));
    EXPECT_EQ(lane.count(), 2);
    EXPECT_EQ(lane.front(), a);
    EXPECT_EQ(lane.dequeue(), a);
    EXPECT_EQ(lane.front(), b);
    EXPECT_EQ(lane.count(), 1);
    delete a;  // a dequeued vehicle belongs to whoever took it
    EXPECT_EQ(deletions, 1);
}

TEST_F(NorthLane, AcceptsWhileTheNewestIsWithin62OfTheStart) {
    EXPECT_TRUE(lane.acceptsVehicle());
    add(Point(10, 200));
    TrackedVehicle* newest = add(Point(20, 82));  // the start is (20, 20)
    EXPECT_TRUE(lane.acceptsVehicle());
    newest->setPosition(Point(20, 83));
    EXPECT_FALSE(lane.acceptsVehicle());
    newest->setPosition(Point(65, 64));  // 62.9 counts as 62
    EXPECT_TRUE(lane.acceptsVehicle());
    newest->setPosition(Point(65, 65));  // 63.6
    EXPECT_FALSE(lane.acceptsVehicle());
}

TEST_F(NorthLane, FollowerWaitsFor25UnitsThenKeepsTheGap) {
    TrackedVehicle* a = add(Point(10, 20));
    TrackedVehicle* b = add(Point(10, 20));
    for (int t = 1; t <= 40; ++t) {
        tick(lane, t);
        EXPECT_EQ(a->position(), Point(10, 20 + t));
        // b moves once a is 25 ahead before b's move, so it then trails by 24.
        EXPECT_EQ(b->position(), Point(10, t < 25 ? 20 : 20 + t - 24)) << t;
    }
    EXPECT_EQ(b->updates, 16);  // its own update runs only in ticks it moves
}

TEST_F(NorthLane, FrontStopsInTheEndZoneAndABlockedFollowerHoldsEveryoneBehindIt) {
    TrackedVehicle* a = add(Point(10, 280));
    TrackedVehicle* b = add(Point(10, 250));
    TrackedVehicle* c = add(Point(10, 200));
    for (int t = 1; t <= 100; ++t) tick(lane, t);
    EXPECT_EQ(a->position(), Point(10, 290));
    EXPECT_EQ(b->position(), Point(10, 266));
    // c kept pace with b until b was blocked, then stopped, however far back.
    EXPECT_EQ(c->position(), Point(10, 216));
    EXPECT_TRUE(lane.frontAtEnd());
    EXPECT_EQ(lane.count(), 3);
}

TEST_F(NorthLane, FollowerInTheEndZoneStopsEveryoneBehindIt) {
    add(Point(10, 295));
    TrackedVehicle* b = add(Point(10, 291));  // too close, but already in the zone
    TrackedVehicle* c = add(Point(10, 200));
    tick(lane);
    EXPECT_EQ(b->position(), Point(10, 291));
    EXPECT_EQ(c->position(), Point(10, 200));
}

TEST_F(NorthLane, FrontThatArrivesLeavesAndIsDeleted) {
    add(Point(10, 100), Point(10, 105));
    EXPECT_EQ(lane.count(), 1);
    tick(lane);  // 5 away: arrived
    EXPECT_EQ(lane.count(), 0);
    EXPECT_EQ(deletions, 1);
}

TEST_F(NorthLane, FrontThatArrivesInTheEndZoneWaitsForItsIntersection) {
    TrackedVehicle* a = add(Point(10, 295), Point(10, 297));
    for (int t = 1; t <= 5; ++t) tick(lane, t);
    EXPECT_EQ(lane.count(), 1);
    EXPECT_EQ(a->position(), Point(10, 295));
    EXPECT_TRUE(lane.frontAtEnd());
    EXPECT_EQ(deletions, 0);
}

TEST_F(NorthLane, ArrivedFollowerBlocksThoseBehindUntilItIsFront) {
    TrackedVehicle* a = add(Point(10, 150));
    TrackedVehicle* b = add(Point(10, 62), Point(10, 60));  // arrived, behind a
    TrackedVehicle* c = add(Point(10, 30));
    for (int t = 1; t <= 200; ++t) tick(lane, t);
    EXPECT_EQ(a->position(), Point(10, 290));  // waiting at the end
    EXPECT_EQ(b->position(), Point(10, 62));
    EXPECT_EQ(c->position(), Point(10, 38));  // 24 behind the arrived one
    EXPECT_EQ(lane.count(), 3);

    delete lane.dequeue();  // as the intersection would take a
    tick(lane);             // b is front now, and leaves
    EXPECT_EQ(lane.count(), 1);
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(c->position(), Point(10, 38));  // the newest waits in that tick
    tick(lane);
    EXPECT_EQ(c->position(), Point(10, 39));
}

TEST_F(NorthLane, AfterTheFrontLeavesFollowersMeasureFromWhereItLeftAndTheNewestWaits) {
    add(Point(10, 100), Point(10, 95));
    TrackedVehicle* b = add(Point(10, 70));
    TrackedVehicle* c = add(Point(10, 40));
    tick(lane);
    EXPECT_EQ(lane.count(), 2);
    EXPECT_EQ(b->position(), Point(10, 71));  // 30 from where the front left
    EXPECT_EQ(c->position(), Point(10, 40));
    tick(lane);
    EXPECT_EQ(b->position(), Point(10, 72));
    EXPECT_EQ(c->position(), Point(10, 41));
}

TEST_F(NorthLane, TurnsTowardALevelTargetAndArrives) {
    TrackedVehicle* a = add(Point(10, 100), Point(-20, 100));  // 30 to the left
    tick(lane);
    EXPECT_EQ(a->heading(), West);
    EXPECT_EQ(a->position(), Point(9, 100));
    for (int t = 2; t <= 21; ++t) tick(lane, t);
    EXPECT_EQ(a->position(), Point(-11, 100));
    EXPECT_EQ(lane.count(), 1);
    tick(lane, 22);  // 9 from the target
    EXPECT_EQ(lane.count(), 0);
    EXPECT_EQ(deletions, 1);
}

TEST_F(NorthLane, SteeringNeedsALevelTargetCloserThan50) {
    TrackedVehicle v(Point(60, 100));
    v.setHeading(North);
    v.setPosition(Point(10, 100));  // 50 away
    lane.steerTowardTarget(v);
    EXPECT_EQ(v.heading(), North);
    v.setPosition(Point(11, 100));
    lane.steerTowardTarget(v);
    EXPECT_EQ(v.heading(), East);
    v.setHeading(South);
    v.setPosition(Point(11, 101));  // not level
    lane.steerTowardTarget(v);
    EXPECT_EQ(v.heading(), South);

    TrackedVehicle w(Point(-40, -30));  // East and West turn by y on reaching the target's x
    w.setHeading(East);
    w.setPosition(Point(-40, 20));  // 50 away
    lane.steerTowardTarget(w);
    EXPECT_EQ(w.heading(), East);
    w.setPosition(Point(-41, 19));  // not level
    lane.steerTowardTarget(w);
    EXPECT_EQ(w.heading(), East);
    w.setPosition(Point(-40, 19));
    lane.steerTowardTarget(w);
    EXPECT_EQ(w.heading(), South);
    w.setHeading(West);
    w.setTarget(Point(-40, 60));
    lane.steerTowardTarget(w);
    EXPECT_EQ(w.heading(), North);
}

TEST_F(NorthLane, VehiclesFlashOnlyInTicksTheyMove) {
    add(Point(10, 290));
    auto* blocked = new Ambulance();
    blocked->setTarget(farAway);
    lane.enqueue(blocked);
    blocked->setPosition(Point(10, 280));
    tick(lane, 3);
    EXPECT_EQ(blocked->crossColour(), 1);  // still white: it did not move
    blocked->setPosition(Point(10, 200));
    tick(lane, 3);
    EXPECT_EQ(blocked->crossColour(), 2);
}

TEST_F(NorthLane, DrawsTheRoadThenTheNewestThenTheRestFromTheFront) {
    LoggedDisplay d;
    add(Point(10, 250));
    add(Point(10, 150));
    add(Point(10, 50));
    lane.draw(d.display);
    const std::vector<std::string> log = d.takeLog();
    ASSERT_EQ(log.size(), 2u + 3 * 3);
    EXPECT_EQ(log[0], loglines::rectangle(22, 20, 20, 0, 300, 0));
    EXPECT_EQ(log[1], loglines::rectangle(1, 20, 20, 0, 300, 1));
    EXPECT_EQ(log[2], loglines::rectangle(5, 5, 45, 15, 55, 0));    // newest
    EXPECT_EQ(log[5], loglines::rectangle(5, 5, 245, 15, 255, 0));  // front
    EXPECT_EQ(log[8], loglines::rectangle(5, 5, 145, 15, 155, 0));
}

TEST_F(NorthLane, DestroyingTheLaneDeletesItsVehicles) {
    {
        Lane other;
        setEnds(other, Point(20, 20), Point(0, 300));
        other.enqueue(new TrackedVehicle(farAway, &deletions));
        other.enqueue(new TrackedVehicle(farAway, &deletions));
    }
    EXPECT_EQ(deletions, 2);
}
