// The text window's history ring and the string-input dialog.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/headless_session.h"

using ::testing::ElementsAre;

namespace {

TEST(TextHistory, KeepsTheLast25LinesOldestFirst) {
    gfx::TextHistory h;
    EXPECT_EQ(h.first(), -1);
    EXPECT_TRUE(h.lines().empty());
    h.add("1");
    EXPECT_EQ(h.first(), 0);
    EXPECT_EQ(h.next(), 1);
    for (int i = 2; i <= 30; ++i) h.add(std::to_string(i));
    auto lines = h.lines();
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines.front(), "6");
    EXPECT_EQ(lines.back(), "30");
    EXPECT_EQ(h.newest(), "30");
}

TEST(TextHistory, ExactlyFullRingHoldsAll25) {
    gfx::TextHistory h;
    for (int i = 1; i <= 25; ++i) h.add(std::to_string(i));
    auto lines = h.lines();
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines.front(), "1");
    EXPECT_EQ(lines.back(), "25");
}

TEST(Printf, FormatsStoresAndCounts) {
    HeadlessSession s;
    EXPECT_EQ(gfxPrintf("%s %d\n", "tick", 42), 8);
    EXPECT_THAT(s.takeLog(), ElementsAre("tick 42\n"));
    EXPECT_EQ(gfx::state().log.history.newest(), "tick 42\n");
}

TEST(Printf, OverlongMessageIsCutNotOverrun) {
    HeadlessSession s;
    const std::string big(3000, 'y');
    EXPECT_EQ(gfxPrintf("%s", big.c_str()), 1023);
    EXPECT_EQ(gfx::state().log.history.newest(), std::string(1023, 'y'));
}

TEST(Gets, PromptIsCutOrPaddedTo79Characters) {
    HeadlessSession s;
    char reply[256] = "unchanged";
    s.backend().setDialogReply("typed");
    EXPECT_EQ(gfxGets(std::string(100, 'p').c_str(), reply), 1);
    EXPECT_EQ(s.backend().lastDialogPrompt(), std::string(79, 'p'));
    EXPECT_STREQ(reply, "typed");
    EXPECT_EQ(gfxGets("0123456789", reply), 1);
    EXPECT_EQ(s.backend().lastDialogPrompt(), "0123456789" + std::string(69, ' '));
}

TEST(Gets, ReplyIsEmptyOrCutTo255) {
    HeadlessSession s;
    char reply[256];
    s.backend().setDialogReply("");
    EXPECT_EQ(gfxGets("?", reply), 1);
    EXPECT_STREQ(reply, "");
    s.backend().setDialogReply(std::string(400, 'r'));
    EXPECT_EQ(gfxGets("?", reply), 1);
    EXPECT_EQ(std::string(reply), std::string(255, 'r'));
}

TEST(Logging, MenuToggleFollowsTheCheckMarkAndShowsTheTextWindow) {
    HeadlessSession s;
    Display display;
    EXPECT_FALSE(gfx::state().log.loggingOn);
    s.backend().post(gfx::Message::command(4));
    s.backend().post(gfx::Message::typed('k'));
    int x, y;
    char key;
    display.awaitEvent(x, y, key);
    EXPECT_TRUE(gfx::state().log.loggingOn);
    EXPECT_TRUE(s.backend().menuChecked(4));
    EXPECT_TRUE(s.backend().textWindowShown());
}

}  // namespace
