#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/headless_session.h"
#include "tests/support/log_lines.h"
#include "traffic/random_sequence.h"
#include "vehicles/buses.h"
#include "vehicles/cars.h"
#include "vehicles/emergency_vehicles.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

// How a point of a drawing row is placed: offset from the position and turned
// by the heading, offset from the position and left as it is, or offset from the target.
enum class Frame { Turns, Fixed, Target, CentreTurns };
enum class Shape { Rectangle, Oval, Circle, Line, Triangle, Text };

struct Row {
    Shape shape;
    Frame frame;
    std::vector<int> offsets;  // dx, dy pairs (a circle: its centre; CentreTurns: the centre)
    int colour;
    int widthOrRadius;  // width for shapes with one, radius for circles, half-size for CentreTurns
    const char* text = "";
};

// Offsets turned by the heading, as the quarter-turn table gives them.
void turnOffset(int& dx, int& dy, Direction h) {
    const int x = dx, y = dy;
    switch (h) {
        case East:
            dx = y, dy = -x;
            break;
        case South:
            dx = -x, dy = -y;
            break;
        case West:
            dx = -y, dy = x;
            break;
        default:
            break;
    }
}

std::vector<std::string> expectedLines(const std::vector<Row>& rows, Point pos, Point target,
                                       Direction h) {
    std::vector<std::string> lines;
    for (const Row& row : rows) {
        std::vector<int> p;
        for (size_t i = 0; i < row.offsets.size(); i += 2) {
            int dx = row.offsets[i], dy = row.offsets[i + 1];
            if (row.frame == Frame::Turns || row.frame == Frame::CentreTurns) turnOffset(dx, dy, h);
            const Point base = row.frame == Frame::Target ? target : pos;
            p.push_back(base.x() + dx);
            p.push_back(base.y() + dy);
        }
        const int w = row.widthOrRadius;
        switch (row.shape) {
            case Shape::Rectangle:
                if (row.frame == Frame::CentreTurns)
                    lines.push_back(
                        loglines::rectangle(row.colour, p[0] - w, p[1] - w, p[0] + w, p[1] + w, 0));
                else
                    lines.push_back(loglines::rectangle(row.colour, p[0], p[1], p[2], p[3], w));
                break;
            case Shape::Oval:
                lines.push_back(loglines::oval(row.colour, p[0], p[1], p[2], p[3], w));
                break;
            case Shape::Circle:
                lines.push_back(loglines::circle(row.colour, p[0], p[1], w));
                break;
            case Shape::Line:
                lines.push_back(loglines::line(row.colour, p[0], p[1], p[2], p[3], w));
                break;
            case Shape::Triangle:
                lines.push_back(loglines::triangle(row.colour, p[0], p[1], p[2], p[3], p[4], p[5]));
                break;
            case Shape::Text:
                lines.push_back(loglines::text(row.colour, p[0], p[1], row.text));
                break;
        }
    }
    return lines;
}

using S = Shape;
using F = Frame;

std::vector<Row> carRows(int body) {
    return {{S::Oval, F::Turns, {-4, 8, 4, -7}, body, 0},
            {S::Circle, F::Turns, {-3, 7}, 5, 1},
            {S::Circle, F::Turns, {3, 7}, 5, 1},
            {S::Text, F::Target, {-4, -9}, 1, 14, "P"}};
}
std::vector<Row> yellowCarRows() {
    return {{S::Rectangle, F::Fixed, {-5, -5, 5, 5}, 5, 0},
            {S::Triangle, F::Turns, {-5, 5, 5, 5, 0, 10}, 2, 0},
            {S::Text, F::Target, {-5, -10}, 2, 16, "P"}};
}
std::vector<Row> motorcycleRows(int body) {
    return {{S::Oval, F::Turns, {-2, 9, 2, -6}, body, 0},
            {S::Line, F::Turns, {-5, 5, 5, 5}, body, 2},
            {S::Circle, F::Turns, {0, 9}, 5, 1},
            {S::Text, F::Target, {-3, -9}, 1, 14, "P"}};
}
std::vector<Row> ambulanceRows(int beacon, int cross) {
    return {{S::Rectangle, F::Turns, {-5, 6, 5, 14}, 1, 0},
            {S::Rectangle, F::Turns, {-5, 6, 5, 14}, 0, 1},
            {S::Rectangle, F::Fixed, {-6, -6, 6, 6}, 1, 0},
            {S::Rectangle, F::Fixed, {-6, -6, 6, 6}, 0, 1},
            {S::Circle, F::Turns, {0, 10}, beacon, 2},
            {S::Rectangle, F::Fixed, {-5, -2, 5, 2}, cross, 0},
            {S::Rectangle, F::Fixed, {-2, -5, 2, 5}, cross, 0},
            {S::Rectangle, F::Target, {-10, 10, 10, -10}, 3, 0},
            {S::Text, F::Target, {-5, -10}, beacon, 16, "H"}};
}
std::vector<Row> fireTruckRows(int beacon) {
    return {{S::Rectangle, F::Turns, {-4, 7, 4, 13}, 2, 0},
            {S::Rectangle, F::Turns, {-5, 6, 5, -12}, 2, 0},
            {S::Circle, F::Turns, {0, 10}, beacon, 2},
            {S::Line, F::Turns, {-3, 5, -3, -10}, 0, 1},
            {S::Line, F::Turns, {3, 5, 3, -10}, 0, 1},
            {S::Line, F::Turns, {-3, 3, 3, 3}, 0, 1},
            {S::Line, F::Turns, {-3, 0, 3, 0}, 0, 1},
            {S::Line, F::Turns, {-3, -3, 3, -3}, 0, 1},
            {S::Line, F::Turns, {-3, -6, 3, -6}, 0, 1},
            {S::Rectangle, F::Target, {-12, 10, 12, -10}, 3, 0},
            {S::Text, F::Target, {-10, -7}, 2, 12, "Fire"},
            {S::Rectangle, F::Target, {-14, 12, 14, -12}, beacon, 3}};
}
std::vector<Row> policeRows(int light) {
    return {{S::Rectangle, F::Turns, {-5, 8, 5, -7}, 0, 0},
            {S::Rectangle, F::Fixed, {-3, -3, 3, 3}, 1, 0},
            {S::Circle, F::Fixed, {0, 0}, light, 2},
            {S::Rectangle, F::Target, {-10, 10, 10, -10}, 11, 0},
            {S::Text, F::Target, {-10, -5}, 2, 8, "Police"},
            {S::Rectangle, F::Target, {-12, 12, 12, -12}, light, 3}};
}
std::vector<Row> schoolBusRows() {
    return {{S::Rectangle, F::Turns, {-4, 7, 4, 11}, 18, 0},
            {S::Rectangle, F::Turns, {-5, 6, 5, -12}, 18, 0},
            {S::Circle, F::Turns, {-3, 11}, 5, 1},
            {S::Circle, F::Turns, {3, 11}, 5, 1},
            {S::Text, F::Target, {-15, -7}, 0, 10, "School"}};
}
std::vector<Row> metroBusRows(int body) {
    return {{S::Rectangle, F::Turns, {-5, 13, 5, -12}, body, 0},
            {S::Circle, F::Turns, {-3, 13}, 5, 1},
            {S::Circle, F::Turns, {3, 13}, 5, 1},
            {S::Rectangle, F::CentreTurns, {0, 6}, 1, 2},
            {S::Rectangle, F::CentreTurns, {0, -7}, 1, 2},
            {S::Text, F::Target, {-12, -8}, 2, 11, "Metro"}};
}

// Draws v at an off-centre position with each heading and compares with the rows.
template <typename V, typename RowsOf>
void checkEveryHeading(V& v, RowsOf rowsOf) {
    LoggedDisplay d;
    const Point pos(37, -52);
    const Point target(-110, 64);
    v.setPosition(pos);
    v.setTarget(target);
    for (Direction h = North; h <= West; ++h) {
        v.setHeading(h);
        v.draw(d.display);
        EXPECT_THAT(d.takeLog(), ElementsAreArray(expectedLines(rowsOf(v), pos, target, h)))
            << "heading " << h;
    }
}

}  // namespace

TEST(VehicleDrawing, CarsFollowTheirTablesForEveryHeading) {
    for (unsigned seed = 1; seed <= 8; ++seed) {  // several body colours
        seedRandom(seed);
        Car car;
        checkEveryHeading(car, [](const Car& c) { return carRows(c.bodyColour()); });
        Motorcycle motorcycle;
        checkEveryHeading(motorcycle,
                          [](const Motorcycle& m) { return motorcycleRows(m.bodyColour()); });
    }
    YellowCar yellow;
    checkEveryHeading(yellow, [](const YellowCar&) { return yellowCarRows(); });
}

TEST(VehicleDrawing, EmergencyKindsFollowTheirTablesWithTheirCurrentLights) {
    seedRandom(1);
    Ambulance ambulance;
    FireTruck fire;
    PoliceCar police;
    for (int tick : {1, 3, 4, 7}) {  // initial colours, then each flashing row
        ambulance.update(tick, 0);
        fire.update(tick, 0);
        police.update(tick, 0);
        checkEveryHeading(ambulance, [](const Ambulance& a) {
            return ambulanceRows(a.beaconColour(), a.crossColour());
        });
        checkEveryHeading(fire, [](const FireTruck& f) { return fireTruckRows(f.beaconColour()); });
        checkEveryHeading(police, [](const PoliceCar& p) { return policeRows(p.lightColour()); });
    }
}

TEST(VehicleDrawing, BusesFollowTheirTablesForEveryHeading) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        seedRandom(seed);
        MetroBus metro;
        checkEveryHeading(metro, [](const MetroBus& m) { return metroBusRows(m.bodyColour()); });
    }
    SchoolBus school;
    checkEveryHeading(school, [](const SchoolBus&) { return schoolBusRows(); });
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
