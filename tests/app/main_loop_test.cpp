#include "app/main_loop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/helicopter.h"
#include "app/scenery.h"
#include "app/traffic_buttons.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/message.h"
#include "tests/app/log_lines.h"
#include "tests/support/headless_session.h"
#include "traffic/random_sequence.h"

using ::testing::ElementsAreArray;
using Lines = std::vector<std::string>;

namespace {

// A town object that leaves one recognisable line in the log.
class Marker : public TownObject {
public:
    void draw(Display& display) override { display.drawText(0, 0, "town object", 0, 12); }
    void update(int&, int) override {}
};

}  // namespace

// Scenery first, then the town, the flying helicopter, the buttons, the title and the
// highlight on top.
TEST(MainLoopRepaint, PaintsEverythingInItsFixedOrder) {
    LoggedDisplay d;
    Marker marker;
    Town town;
    town.add(&marker);
    MainLoop loop(d.display, town, Helicopter{-30, 60, 7, 0});

    seedRandom(11);
    loop.repaint();
    const Lines painted = d.takeLog();

    seedRandom(11);
    drawLawns(d.display);
    drawPark(d.display);
    drawLandmarks(d.display);
    marker.draw(d.display);
    drawHelicopter(d.display, -30, 60, 7);
    drawTrafficButtons(d.display);
    drawTitle(d.display);
    highlightTrafficButton(d.display, 1);
    EXPECT_THAT(painted, ElementsAreArray(d.takeLog()));
}

// On a tick the helicopter moves, is drawn at once, and is drawn again by the repaint.
TEST(MainLoopRepaint, FlyingHelicopterIsDrawnTwiceOnPeriodicTurns) {
    LoggedDisplay d;
    Town town;
    MainLoop loop(d.display, town, Helicopter{-30, 60, 7, 0});

    const std::vector<int> r = loglines::upcomingRands(5, 2);
    loop.react(EventKind::Periodic, 0, 0);
    EXPECT_THAT(d.takeLog(),
                ElementsAreArray(loglines::helicopter("cyan", -27, 63, r[0] % 3, r[1] % 2 == 0)));
    EXPECT_EQ(loop.tick(), 1);

    loop.repaint();
    const Lines repaint = d.takeLog();
    const std::string body = loglines::oval("cyan", -33, 73, -21, 53, 0);
    EXPECT_EQ(std::count(repaint.begin(), repaint.end(), body), 1);
}

TEST(MainLoopRepaint, OtherEventsNeitherMoveNorDrawTheHelicopter) {
    LoggedDisplay d;
    Town town;
    MainLoop loop(d.display, town, Helicopter{-30, 60, 7, 0});
    loop.react(EventKind::Keyboard, 0, 0);
    loop.react(EventKind::None, 0, 0);
    EXPECT_TRUE(d.takeLog().empty());
    loop.react(EventKind::Mouse, 150, -230);
    for (const std::string& line : d.takeLog()) EXPECT_EQ(line.find("cyan"), std::string::npos);
    EXPECT_EQ(loop.helicopter().x, -30);
    EXPECT_EQ(loop.helicopter().y, 60);
    EXPECT_EQ(loop.tick(), 0);
}

// The first flight comes from the generator before the clock seeds it.
TEST(AppMain, LaunchesTheFirstFlightBeforeSeeding) {
    HeadlessSession session;
    session.backend().setCalendarTime(1000);
    // Logging on, then quit: one repaint goes to the log.
    session.backend().post(gfx::Message::command(gfx::MenuId::Logging));
    session.backend().post(gfx::Message::quit());

    auto launchAfter = [](unsigned seed) {
        seedRandom(seed);
        int x, y, colour;
        launchHelicopter(x, y, colour);
        return std::make_pair(x, colour);
    };
    const auto unseeded = launchAfter(7);
    ASSERT_NE(unseeded, launchAfter(1000)) << "the two orders must be told apart";

    seedRandom(7);
    EXPECT_EQ(appMain(), 0);
    const Lines log = session.takeLog();

    const char* names[] = {"black",      "white",    "red",       "green",   "blue",
                           "yellow",     "magenta",  "cyan",      "purple",  "navy blue",
                           "dusty plum", "ice blue", "turquoise", "orange",  "brown",
                           "pink",       "chalk",    "gold",      "peach",   "forest green",
                           "sea green",  "olive",    "50% gray",  "20% gray"};
    const auto [x, colour] = unseeded;
    const std::string body = loglines::oval(names[colour], x - 6, -160, x + 6, -180, 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), body), 1) << body;
}
