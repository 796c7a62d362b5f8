// The command line of town-replay.
#include "gfx/tools/runner/replay_options.h"

#include <gtest/gtest.h>

namespace {

std::optional<ReplayOptions> parse(const std::vector<std::string>& args, std::string& error) {
    return parseReplayOptions(args, error);
}

TEST(ReplayOptions, AllOptionsTogether) {
    std::string error;
    auto o = parse(
        {"--seed", "-7", "--script", "s.scr", "--answers", "a.txt", "--ticks", "36000", "--log",
         "--log-events", "--png", "out.png", "--gif", "out.gif", "--gif-from", "2401"},
        error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->seed, -7);
    EXPECT_EQ(o->script, "s.scr");
    EXPECT_EQ(o->answers, "a.txt");
    EXPECT_EQ(o->ticks, 36000);
    EXPECT_TRUE(o->log);
    EXPECT_TRUE(o->logEvents);
    EXPECT_EQ(o->png, "out.png");
    EXPECT_EQ(o->gif, "out.gif");
    EXPECT_EQ(o->gifFrom, 2401);
    EXPECT_FALSE(o->help);
}

TEST(ReplayOptions, DefaultsLeaveSeedAndTicksOpen) {
    std::string error;
    auto o = parse({}, error);
    ASSERT_TRUE(o);
    EXPECT_FALSE(o->seed);
    EXPECT_FALSE(o->ticks);
    EXPECT_FALSE(o->log);
    EXPECT_TRUE(o->png.empty());
    EXPECT_TRUE(o->gif.empty());
    EXPECT_EQ(o->gifFrom, 1);  // every frame
}

TEST(ReplayOptions, BadArgumentsSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--ticks"}, "--ticks: 1 required TEXT missing (try --help)"},
        {{"--ticks", "-1"}, "--ticks needs a whole number of 0 or more, not '-1'"},
        {{"--ticks", "12x"}, "--ticks needs a whole number of 0 or more, not '12x'"},
        {{"--seed", ""}, "--seed needs a whole number, not ''"},
        {{"--seed", "99999999999999999999"},
         "--seed needs a whole number, not '99999999999999999999'"},
        {{"--png", ""}, "--png needs a file name"},
        {{"--answers", ""}, "--answers needs a file name"},
        {{"--gif", ""}, "--gif needs a file name"},
        {{"--gif", "a.gif", "--gif-from", "0"},
         "--gif-from needs a whole number of 1 or more, not '0'"},
        {{"--gif", "a.gif", "--gif-from", "x"},
         "--gif-from needs a whole number of 1 or more, not 'x'"},
        {{"--gif-from", "5"}, "--gif-from needs --gif"},
        {{"--log-events"}, "--log-events needs --log"},
        {{"--script"}, "--script: 1 required TEXT missing (try --help)"},
        {{"--frobnicate"}, "The following argument was not expected: --frobnicate (try --help)"},
        {{"extra"}, "The following argument was not expected: extra (try --help)"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(parse(c.args, error));
        EXPECT_EQ(error, c.message);
    }
}

TEST(ReplayOptions, Help) {
    std::string error;
    auto o = parse({"--help"}, error);
    ASSERT_TRUE(o);
    EXPECT_TRUE(o->help);
    EXPECT_NE(replayUsage().find("--ticks N"), std::string::npos);
}

}  // namespace
