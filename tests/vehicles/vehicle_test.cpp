#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <typeinfo>

#include "tests/vehicles/point_printing.h"
#include "traffic/random_sequence.h"
#include "vehicles/buses.h"
#include "vehicles/cars.h"
#include "vehicles/emergency_vehicles.h"
#include "vehicles/vehicle_kinds.h"

namespace {
// The values the one generator will give next, read off a copy of the seeded sequence.
struct Draws {
    explicit Draws(unsigned seed) { seedRandom(seed); }
    int next(int lo, int hi) { return lo + nextRandom() % (hi - lo + 1); }
    // x before y, in two statements: the order of arguments is not fixed.
    Point target() {
        const int x = next(-240, 240);
        const int y = next(-210, 210);
        return Point(x, y);
    }
};
}  // namespace

TEST(VehicleConstruction, TargetXThenYThenColourFromTheGenerator) {
    const ColorIndex carColours[] = {2, 12, 0, 9};
    const ColorIndex motorcycleColours[] = {6, 20, 10, 13};
    const ColorIndex metroColours[] = {19, 17, 13, 4};
    for (unsigned seed : {1u, 2u, 99u, 12345u}) {
        Draws draws(seed);
        const Point carTarget = draws.target();
        const ColorIndex carColour = carColours[draws.next(1, 4) - 1];
        const Point motorcycleTarget = draws.target();
        const ColorIndex motorcycleColour = motorcycleColours[draws.next(1, 4) - 1];
        const Point yellowTarget = draws.target();
        const Point metroTarget = draws.target();
        const ColorIndex metroColour = metroColours[draws.next(1, 4) - 1];
        const int after = nextRandom();

        seedRandom(seed);
        Car car;
        Motorcycle motorcycle;
        YellowCar yellow;
        MetroBus metro;
        EXPECT_EQ(car.target(), carTarget);
        EXPECT_EQ(car.bodyColour(), carColour);
        EXPECT_EQ(motorcycle.target(), motorcycleTarget);
        EXPECT_EQ(motorcycle.bodyColour(), motorcycleColour);
        EXPECT_EQ(yellow.target(), yellowTarget);
        EXPECT_EQ(metro.target(), metroTarget);
        EXPECT_EQ(metro.bodyColour(), metroColour);
        EXPECT_EQ(nextRandom(), after) << "the kinds drew a different number of values";
        EXPECT_EQ(car.position(), Point(0, 0));
    }
}

TEST(VehicleConstruction, KindsWithoutColourDrawOnlyTheTarget) {
    Draws draws(5);
    draws.next(0, 1);
    draws.next(0, 1);
    const int third = nextRandom();
    for (int kind = 0; kind < 5; ++kind) {
        seedRandom(5);
        std::unique_ptr<Vehicle> v;
        switch (kind) {
            case 0:
                v = std::make_unique<YellowCar>();
                break;
            case 1:
                v = std::make_unique<Ambulance>();
                break;
            case 2:
                v = std::make_unique<FireTruck>();
                break;
            case 3:
                v = std::make_unique<PoliceCar>();
                break;
            default:
                v = std::make_unique<SchoolBus>();
                break;
        }
        EXPECT_EQ(nextRandom(), third) << "kind " << kind;
    }
}

TEST(VehicleConstruction, TargetCoversItsWholeRangeAndNoMore) {
    seedRandom(3);
    int minX = INT_MAX, maxX = INT_MIN, minY = INT_MAX, maxY = INT_MIN;
    for (int i = 0; i < 30000; ++i) {
        const Point t = YellowCar().target();
        minX = std::min(minX, t.x());
        maxX = std::max(maxX, t.x());
        minY = std::min(minY, t.y());
        maxY = std::max(maxY, t.y());
    }
    EXPECT_EQ(minX, -240);
    EXPECT_EQ(maxX, 240);
    EXPECT_EQ(minY, -210);
    EXPECT_EQ(maxY, 210);
}

TEST(VehicleBase, MovesAlongItsHeading) {
    seedRandom(1);
    YellowCar v;
    v.setPosition(Point(10, 20));
    v.setHeading(East);
    v.advance(3);
    EXPECT_EQ(v.position(), Point(13, 20));
    v.setPosition(Point(10, 20));
    v.setHeading(South);
    v.advance(3);
    EXPECT_EQ(v.position(), Point(10, 17));
    v.setHeading(9);
    v.advance(3);
    EXPECT_EQ(v.position(), Point(10, 17));
    v.setHeading(West);
    EXPECT_EQ(v.heading(), 3);
}

TEST(VehicleBase, GettersReturnCopies) {
    seedRandom(1);
    YellowCar v;
    v.setPosition(Point(4, 5));
    v.setTarget(Point(-7, 8));
    Point p = v.position();
    p.advance(North, 10);
    Point t = v.target();
    t.advance(East, 10);
    EXPECT_EQ(v.position(), Point(4, 5));
    EXPECT_EQ(v.target(), Point(-7, 8));
}

TEST(VehicleBase, DistanceToAndSaturation) {
    seedRandom(1);
    YellowCar v;
    v.setPosition(Point(-20, 30));
    EXPECT_EQ(v.distanceTo(Point(-17, 34)), 5);
    EXPECT_EQ(v.distanceTo(Point(-20, 30)), 0);
    EXPECT_EQ(v.distanceTo(Point(-21, 29)), 1);
    v.setPosition(Point(INT_MIN, INT_MIN));
    EXPECT_EQ(v.distanceTo(Point(INT_MAX, INT_MAX)), INT_MAX);
}

TEST(VehicleBase, BaseUpdateChangesNothing) {
    seedRandom(1);
    Car car;
    car.setPosition(Point(3, 4));
    car.setHeading(East);
    const Point target = car.target();
    const ColorIndex colour = car.bodyColour();
    for (int tick : {0, 1, 3, 84, -7}) {
        int t = tick;
        car.update(t, 0);
        EXPECT_EQ(t, tick);
    }
    EXPECT_EQ(car.position(), Point(3, 4));
    EXPECT_EQ(car.heading(), East);
    EXPECT_EQ(car.target(), target);
    EXPECT_EQ(car.bodyColour(), colour);
}

TEST(EmergencyFlashing, FirstMatchingDivisorWins) {
    struct Row {
        int tick;
        ColorIndex ambulanceBeacon, ambulanceCross, fireBeacon, policeLight;
    };
    // Each row starts from the initial colours: blue/white, blue, red.
    const Row rows[] = {
        {12, 5, 2, 5, 5},  // 3 before 4
        {8, 4, 1, 4, 4},   {14, 2, 1, 1, 2}, {5, 4, 1, 4, 2},
        {0, 5, 2, 5, 5},   {21, 5, 2, 5, 5},  // 3 before 7
        {28, 4, 1, 4, 4},                     // 4 before 7
        {-14, 2, 1, 1, 2},
    };
    for (const Row& r : rows) {
        seedRandom(1);
        Ambulance ambulance;
        FireTruck fire;
        PoliceCar police;
        int t = r.tick;
        ambulance.update(t, 0);
        fire.update(t, 0);
        police.update(t, 0);
        EXPECT_EQ(t, r.tick);
        EXPECT_EQ(ambulance.beaconColour(), r.ambulanceBeacon) << r.tick;
        EXPECT_EQ(ambulance.crossColour(), r.ambulanceCross) << r.tick;
        EXPECT_EQ(fire.beaconColour(), r.fireBeacon) << r.tick;
        EXPECT_EQ(police.lightColour(), r.policeLight) << r.tick;
    }
}

TEST(EmergencyFlashing, ColoursHoldBetweenMatchingTicks) {
    seedRandom(1);
    Ambulance ambulance;
    FireTruck fire;
    PoliceCar police;
    int t = 1;
    ambulance.update(t, 0);
    EXPECT_EQ(ambulance.crossColour(), 1);  // white until a multiple of 3
    for (int tick : {3, 5, 7, 10, 11}) {
        t = tick;
        ambulance.update(t, 1);
        fire.update(t, 1);
        police.update(t, 1);
    }
    // 3: yellow and red cross; 5: nothing; 7: red beacon, cross kept; 10, 11: nothing.
    EXPECT_EQ(ambulance.beaconColour(), 2);
    EXPECT_EQ(ambulance.crossColour(), 2);
    EXPECT_EQ(fire.beaconColour(), 1);
    EXPECT_EQ(police.lightColour(), 2);
}

TEST(VehicleKinds, NumberOneToThirtyPicksTheKind) {
    seedRandom(1);
    for (int k = 0; k <= 31; ++k) {
        const std::unique_ptr<Vehicle> v = makeVehicle(k);
        const std::type_info& kind = typeid(*v);
        switch (k) {
            case 1:
                EXPECT_EQ(kind, typeid(Ambulance));
                break;
            case 2:
                EXPECT_EQ(kind, typeid(FireTruck));
                break;
            case 3:
                EXPECT_EQ(kind, typeid(PoliceCar));
                break;
            case 4:
                EXPECT_EQ(kind, typeid(Motorcycle));
                break;
            case 5:
                EXPECT_EQ(kind, typeid(SchoolBus));
                break;
            case 6:
                EXPECT_EQ(kind, typeid(YellowCar));
                break;
            case 7:
                EXPECT_EQ(kind, typeid(MetroBus));
                break;
            default:
                EXPECT_EQ(kind, typeid(Car)) << k;
                break;
        }
    }
}
