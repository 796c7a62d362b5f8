// The main loop's reactions and repaint, and a whole headless run of appMain.
#include "app/main_loop.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/core/menu_items.h"
#include "tests/support/headless_session.h"

using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

class CountingObject : public TownObject {
public:
    void draw(Display&) override { ++draws; }
    void update(int& tick, int mode) override {
        ++updates;
        lastTick = tick;
        lastMode = mode;
    }
    int draws = 0, updates = 0, lastTick = -1, lastMode = -99;
};

class Loop : public ::testing::Test {
protected:
    Loop() : loop(d.display, town) { town.add(&object); }
    LoggedDisplay d;
    Town town;
    CountingObject object;
    MainLoop loop;
};

TEST_F(Loop, OnlyPeriodicEventsAdvanceTheTickAndUpdateTheTown) {
    EXPECT_TRUE(loop.react(EventKind::Periodic, 0, 0));
    EXPECT_TRUE(loop.react(EventKind::Keyboard, 0, 0));
    EXPECT_TRUE(loop.react(EventKind::None, 0, 0));
    EXPECT_TRUE(loop.react(EventKind::Mouse, 0, 0));
    EXPECT_TRUE(loop.react(EventKind::Periodic, 0, 0));
    EXPECT_EQ(loop.tick(), 2);
    EXPECT_EQ(object.updates, 2);
    EXPECT_EQ(object.lastTick, 2);
    EXPECT_EQ(object.lastMode, -1);  // the click missed the buttons
}

TEST_F(Loop, ClickClearsThenSelectsTheMode) {
    EXPECT_EQ(loop.trafficMode(), 1);  // light at start
    loop.react(EventKind::Mouse, 150, -230);
    EXPECT_EQ(loop.trafficMode(), 0);
    auto log = d.takeLog();
    ASSERT_GE(log.size(), 4u);
    EXPECT_EQ(log[0], "Flushing the graphics window\n");
    EXPECT_EQ(log[1], "Clearing the graphics window\n");
    EXPECT_EQ(log[2], "white rectangle with bounding box (-300,250) to (300,-250), filled\n");
    EXPECT_EQ(log[3], "50% gray text at (-290,-240), \"Mode: Heavy Traffic\"\n");
}

TEST_F(Loop, QuitEndsTheLoopAfterThisTurn) {
    EXPECT_FALSE(loop.react(EventKind::Quit, 0, 0));
    EXPECT_EQ(loop.tick(), 0);
}

TEST_F(Loop, RepaintDrawsTownThenButtonsThenHighlightLast) {
    loop.repaint();
    auto log = d.takeLog();
    EXPECT_EQ(object.draws, 1);
    auto button =
        std::find(log.begin(), log.end(),
                  "20% gray rectangle with bounding box (91,-215) to (197,-247), filled\n");
    ASSERT_NE(button, log.end());
    // The highlight of the light button closes the repaint.
    ASSERT_GE(log.size(), 4u);
    EXPECT_THAT(log[log.size() - 4], HasSubstr("50% gray rectangle with bounding box (195,-220)"));
    EXPECT_THAT(log.back(), HasSubstr("text at (215,-235), \"Light Traffic\""));
    EXPECT_LT(button - log.begin(), static_cast<long>(log.size()) - 4);
}

TEST_F(Loop, NoHighlightAfterAMissedClick) {
    loop.react(EventKind::Mouse, 0, 0);
    d.takeLog();
    loop.repaint();
    const auto log = d.takeLog();
    EXPECT_THAT(log, ::testing::Each(::testing::Not(HasSubstr("bounding box (95,-220)"))));
    EXPECT_THAT(log, ::testing::Each(::testing::Not(HasSubstr("bounding box (195,-220)"))));
}

TEST(AppMain, RunsUntilQuitAndReturnsZero) {
    HeadlessSession s;
    int timers = 0;
    s.backend().setIdleHandler([&](gfx::HeadlessBackend& b) {
        ++timers;
        if (timers == 3) {
            b.post(gfx::Message::command(gfx::MenuId::Logging));
            b.post(gfx::Message::leftClick(300 + 150, 250 + 230));  // the heavy button
        }
        if (timers == 6) b.post(gfx::Message::quit());
    });
    EXPECT_EQ(appMain(), 0);
    auto log = s.takeLog();
    EXPECT_THAT(log, Contains("50% gray text at (-290,-240), \"Mode: Heavy Traffic\"\n"));
    // The quit turn still repaints: the last line is the heavy button's highlight label.
    EXPECT_THAT(log.back(), HasSubstr("text at (110,-235), \"Heavy Traffic\""));
}

}  // namespace
