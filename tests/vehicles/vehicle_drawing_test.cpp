// What each of the eight kinds draws, heading by heading, against drawing logs a person
// can read: tests/vehicles/drawings/<kind>_<heading>.log, one file for each kind and
// heading, written by the code itself. A drawing changed on purpose: run this test with
// TOWN_UPDATE_GOLDEN=1 (TOWN_UPDATE_GOLDEN=1 build/debug/tests/vehicles/vehicles_tests),
// read the files' diff and commit them. The worked examples below are written by hand.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/headless_session.h"
#include "traffic/random_sequence.h"
#include "vehicles/buses.h"
#include "vehicles/cars.h"
#include "vehicles/emergency_vehicles.h"

using ::testing::ElementsAre;

namespace {

template <typename Kind>
std::unique_ptr<Vehicle> make() {
    return std::make_unique<Kind>();
}

struct VehicleKind {
    const char* name;
    std::unique_ptr<Vehicle> (*make)();
    bool flashes;  // its lights change with the tick
};

constexpr VehicleKind kinds[] = {
    {"ambulance", make<Ambulance>, true},   {"fire_truck", make<FireTruck>, true},
    {"police_car", make<PoliceCar>, true},  {"motorcycle", make<Motorcycle>, false},
    {"school_bus", make<SchoolBus>, false}, {"yellow_car", make<YellowCar>, false},
    {"metro_bus", make<MetroBus>, false},   {"car", make<Car>, false},
};
const char* const headingNames[] = {"north", "east", "south", "west"};

// Off the origin, so that a point turned about the wrong pivot or left unturned shows.
const Point Position(37, -52);
const Point Target(-110, 64);

// The drawing log of one vehicle, the generator seeded with 1 before it is made: as it
// is made, and for a kind with flashing lights after each tick that changes them (3, 4
// and 7: the first divisor that matches wins).
std::string drawingOf(const VehicleKind& kind, Direction heading, LoggedDisplay& d) {
    seedRandom(1);
    const std::unique_ptr<Vehicle> vehicle = kind.make();
    vehicle->setPosition(Position);
    vehicle->setTarget(Target);
    vehicle->setHeading(heading);
    std::ostringstream log;
    log << "# " << kind.name << " heading " << headingNames[heading] << " at (" << Position.x()
        << "," << Position.y() << "), target (" << Target.x() << "," << Target.y() << ")\n";
    const auto frame = [&](const std::string& title) {
        vehicle->draw(d.display);
        log << "# " << title << "\n";
        for (const std::string& line : d.takeLog()) log << line;
    };
    frame("as made");
    if (kind.flashes) {
        for (int tick : {3, 4, 7}) {
            vehicle->update(tick, 0);  // vehicles do not read the traffic mode
            frame("after tick " + std::to_string(tick));
        }
    }
    return log.str();
}

}  // namespace

TEST(VehicleDrawing, EveryKindDrawsItsStoredDrawingForEveryHeading) {
    const bool update = std::getenv("TOWN_UPDATE_GOLDEN") != nullptr;
    LoggedDisplay d;
    for (const VehicleKind& kind : kinds) {
        for (Direction h = North; h <= West; ++h) {
            const std::string path = std::string(VEHICLE_DRAWINGS_DIR) + "/" + kind.name + "_" +
                                     headingNames[h] + ".log";
            const std::string drawn = drawingOf(kind, h, d);
            if (update) {
                std::ofstream(path, std::ios::binary) << drawn;
                continue;
            }
            std::ifstream in(path, std::ios::binary);
            ASSERT_TRUE(in) << "no stored drawing " << path;
            std::ostringstream stored;
            stored << in.rdbuf();
            EXPECT_EQ(drawn, stored.str()) << "differs from " << path;
        }
    }
    if (update) GTEST_SKIP() << "drawings rewritten in " << VEHICLE_DRAWINGS_DIR;
}

// The worked examples, written out by hand.
TEST(VehicleDrawing, WorkedExamplesAtTheOrigin) {
    LoggedDisplay d;
    seedRandom(1);
    Car car;
    car.setHeading(East);
    car.setTarget(Point(0, 0));
    car.draw(d.display);
    std::vector<std::string> log = d.takeLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_THAT(log[0], ::testing::EndsWith("oval with bounding box (-7,4) to (8,-4), filled\n"));
    EXPECT_EQ(log[1], "yellow circle at (7,3), radius 1\n");
    EXPECT_EQ(log[2], "yellow circle at (7,-3), radius 1\n");

    Motorcycle motorcycle;
    motorcycle.setHeading(South);
    motorcycle.draw(d.display);
    log = d.takeLog();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_THAT(log[1], ::testing::EndsWith("line from (5,-5) to (-5,-5), width 2\n"));
    EXPECT_EQ(log[2], "yellow circle at (0,-9), radius 1\n");

    YellowCar yellow;
    yellow.setHeading(West);
    yellow.setTarget(Point(0, 0));
    yellow.draw(d.display);
    EXPECT_THAT(
        d.takeLog(),
        ElementsAre("yellow rectangle with bounding box (-5,5) to (5,-5), filled\n",
                    "red triangle at (-5,-5), (-5,5), (-10,0)\n", "red text at (-5,-10), \"P\"\n"));

    Ambulance ambulance;
    ambulance.setHeading(East);
    ambulance.draw(d.display);
    log = d.takeLog();
    EXPECT_EQ(log[0], "white rectangle with bounding box (6,5) to (14,-5), filled\n");
    EXPECT_EQ(log[4], "blue circle at (10,0), radius 2\n");

    FireTruck fire;
    fire.setHeading(South);
    fire.draw(d.display);
    log = d.takeLog();
    EXPECT_EQ(log[1], "red rectangle with bounding box (-5,12) to (5,-6), filled\n");

    MetroBus metro;
    metro.setHeading(East);
    metro.draw(d.display);
    log = d.takeLog();
    EXPECT_THAT(log[3], ::testing::EndsWith("(4,2) to (8,-2), filled\n"));
    EXPECT_THAT(log[4], ::testing::EndsWith("(-9,2) to (-5,-2), filled\n"));

    SchoolBus school;
    school.setHeading(West);
    school.draw(d.display);
    log = d.takeLog();
    EXPECT_EQ(log[2], "yellow circle at (-11,-3), radius 1\n");
    EXPECT_EQ(log[3], "yellow circle at (-11,3), radius 1\n");
}

TEST(VehicleDrawing, MarkersStayAtTheTargetWhereverTheVehicleIs) {
    LoggedDisplay d;
    seedRandom(4);
    SchoolBus bus;
    bus.setTarget(Point(120, -33));
    for (Point at : {Point(0, 0), Point(-200, 150), Point(90, 9)}) {
        for (Direction h = North; h <= West; ++h) {
            bus.setPosition(at);
            bus.setHeading(h);
            bus.draw(d.display);
            EXPECT_EQ(d.takeLog().back(), "black text at (105,-40), \"School\"\n");
        }
    }
}
