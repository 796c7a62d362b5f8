#include "app/scenery.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/app/log_lines.h"
#include "tests/support/headless_session.h"
#include "traffic/random_sequence.h"

using namespace loglines;
using ::testing::ElementsAreArray;
using Lines = std::vector<std::string>;

namespace {

// The landmark rows up to the banner (rows 1 to 18).
Lines peachBuildingsAndStadium() {
    return {
        rectangle("peach", 55, 195, 120, 165, 0),        rectangle("peach", 85, 165, 120, 155, 0),
        rectangle("peach", 135, 185, 190, 165, 0),       rectangle("peach", 200, 195, 215, 145, 0),
        triangle("peach", 215, 125, 200, 145, 215, 145), rectangle("peach", 225, 185, 240, 170, 0),
        rectangle("peach", 225, 160, 240, 145, 0),       rectangle("peach", 85, 165, 170, 135, 0),
        rectangle("peach", 30, 155, 70, 130, 0),         oval("orange", 35, -40, 120, -155, 0),
        oval("forest green", 45, -60, 110, -165, 0),     rectangle("orange", 32, -85, 50, -140, 0),
        rectangle("orange", 105, -85, 122, -140, 0),     rectangle("white", 50, -85, 105, -155, 1),
        rectangle("white", 50, -85, 105, -95, 0),        rectangle("white", 50, -85, 105, -120, 1),
        rectangle("white", 50, -145, 105, -155, 0),      oval("white", 58, -115, 100, -125, 1),
    };
}

// Rows 21 to 32: the pink building and the gold one with its helipad.
Lines pinkAndGoldBuildings() {
    return {
        rectangle("pink", -245, 190, -145, 170, 0),
        rectangle("pink", -145, 190, -165, 140, 0),
        rectangle("pink", -235, 150, -195, 130, 0),
        rectangle("pink", -185, 145, -170, 125, 0),
        rectangle("gold", 50, 70, 235, 45, 0),
        rectangle("gold", 50, 50, 95, 35, 0),
        triangle("gold", 135, 60, 175, 25, 215, 60),
        rectangle("gold", 175, 50, 245, 25, 0),
        circle("white", 205, 47, 20),
        circle("gold", 205, 47, 19),
        line("white", 205, 67, 205, 27, 1),
        line("white", 185, 47, 225, 47, 1),
    };
}

// Rows 38 to 65: the lot and the remaining buildings.
Lines lotAndRemainingBuildings() {
    return {
        rectangle("peach", 180, -40, 200, -80, 0),   rectangle("peach", 180, -100, 200, -140, 0),
        rectangle("peach", 220, -40, 240, -80, 0),   rectangle("peach", 220, -100, 240, -140, 0),
        rectangle("olive", 175, -145, 245, -165, 1), line("olive", 175, -145, 245, -165, 1),
        line("olive", 175, -165, 245, -145, 1),      line("olive", 211, -20, 211, -180, 2),
        rectangle("olive", 175, -30, 245, -165, 1),  line("olive", 130, -90, 255, -90, 2),
        rectangle("purple", -55, -40, -45, -155, 0), rectangle("purple", -65, -30, -35, -55, 0),
        rectangle("purple", -75, -65, -25, -105, 0), rectangle("purple", -65, -115, -35, -160, 0),
        rectangle("orange", -205, 55, -165, 45, 0),  rectangle("orange", -215, 70, -195, 30, 0),
        rectangle("orange", -185, 70, -165, 30, 0),  rectangle("orange", -235, 65, -215, 55, 0),
        rectangle("orange", -235, 45, -215, 35, 0),  rectangle("orange", -165, 65, -145, 55, 0),
        rectangle("orange", -165, 45, -145, 35, 0),  rectangle("dusty plum", -60, 190, -35, 130, 0),
        circle("dusty plum", -60, 160, 12),          rectangle("brown", -70, 70, -30, 60, 0),
        rectangle("brown", -70, 40, -30, 30, 0),     rectangle("brown", -75, 55, -60, 45, 0),
        rectangle("brown", -55, 55, -45, 45, 0),     rectangle("brown", -40, 55, -25, 45, 0),
    };
}

void append(Lines& to, const Lines& more) {
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace

TEST(Scenery, LawnsAreTheTenBlocksBetweenTheRoads) {
    LoggedDisplay d;
    drawLawns(d.display);
    EXPECT_THAT(d.takeLog(), ElementsAreArray(Lines{
                                 rectangle("forest green", -255, 205, -120, 120, 0),
                                 rectangle("forest green", -255, 80, -120, 20, 0),
                                 rectangle("forest green", -255, -20, -120, -170, 0),
                                 rectangle("forest green", -80, 205, -20, 120, 0),
                                 rectangle("forest green", -80, 80, -20, 20, 0),
                                 rectangle("forest green", -80, -20, -20, -170, 0),
                                 rectangle("forest green", 20, 205, 255, 120, 0),
                                 rectangle("forest green", 20, 80, 255, 20, 0),
                                 rectangle("forest green", 20, -20, 135, -170, 0),
                                 rectangle("forest green", 130, -20, 255, -170, 0),
                             }));
}

TEST(Scenery, ParkHasPathsAFieldWithDiagonalsAndAPond) {
    LoggedDisplay d;
    drawPark(d.display);
    EXPECT_THAT(d.takeLog(), ElementsAreArray(Lines{
                                 rectangle("olive", -255, -75, -120, -105, 0),
                                 rectangle("olive", -200, -20, -180, -90, 0),
                                 rectangle("olive", -190, -20, -180, -170, 0),
                                 rectangle("olive", -250, -30, -125, -160, 2),
                                 line("olive", -250, -30, -125, -160, 2),
                                 line("olive", -125, -30, -250, -160, 2),
                                 circle("olive", -190, -90, 40),
                                 circle("ice blue", -190, -90, 30),
                             }));
}

TEST(Scenery, TitleReadsFennsTownWoof) {
    LoggedDisplay d;
    drawTitle(d.display);
    EXPECT_THAT(d.takeLog(), ElementsAreArray(Lines{
                                 text("purple", -180, -245, "Fenn's"),
                                 text("gold", -80, -245, "Town"),
                                 text("purple", 10, -245, "WOOF!"),
                             }));
}

// The generator is drawn once for the banner, twice by the parked helicopter (rotor,
// tail light) and once for the pad lights, in that order and nowhere else; from one
// repaint to the next the banner and the lights switch between their two looks.
TEST(Scenery, LandmarksPaintEveryRowWithTheirRandomColoursInOrder) {
    LoggedDisplay d;
    std::set<std::string> banners, padLightColours;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<int> r = upcomingRands(seed, 5);
        drawLandmarks(d.display);
        const int afterwards = nextRandom();

        Lines expected = peachBuildingsAndStadium();
        const char* banner = r[0] % 2 + 1 == 1 ? "purple" : "yellow";
        expected.push_back(text(banner, 52, -97, "Go Tarvins"));
        expected.push_back(text("purple", 52, -157, "JX Stadium"));
        append(expected, pinkAndGoldBuildings());
        append(expected, helicopter("navy blue", 206, 55, r[1] % 3, r[2] % 2 == 0));
        const bool k1 = r[3] % 2 + 1 == 1;
        const char* a = k1 ? "blue" : "red";
        const char* b = k1 ? "red" : "yellow";
        expected.push_back(circle(a, 190, 67, 1));
        expected.push_back(circle(b, 220, 67, 1));
        expected.push_back(circle(b, 190, 27, 1));
        expected.push_back(circle(a, 220, 27, 1));
        append(expected, lotAndRemainingBuildings());

        EXPECT_THAT(d.takeLog(), ElementsAreArray(expected)) << "seed " << seed;
        EXPECT_EQ(afterwards, r[4]) << "exactly four draws per repaint, seed " << seed;
        banners.insert(banner);
        padLightColours.insert(a);
    }
    EXPECT_EQ(banners.size(), 2u);
    EXPECT_EQ(padLightColours.size(), 2u);
}
