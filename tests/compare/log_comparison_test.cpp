// Two drawing logs compared tick by tick: the first difference with its tick and call,
// and the lines that differ in all.
#include "gfx/tools/compare/log_comparison.h"

#include "gfx/tools/compare/log_reader.h"
#include "tests/compare/compare_fixture.h"

namespace {

class LogComparisonTest : public CompareTest {
protected:
    gfx::LogComparison compareLines(const std::vector<std::string>& a,
                                    const std::vector<std::string>& b) {
        std::string error;
        const auto result = gfx::compareLogs(writeLines("a.log", a), writeLines("b.log", b), error);
        EXPECT_TRUE(result) << error;
        return result.value_or(gfx::LogComparison{});
    }
};

TEST_F(LogComparisonTest, EqualLogsCountTheirLinesAndTicks) {
    const auto c = compareLines(bounceLog(), bounceLog());
    EXPECT_TRUE(c.equal());
    EXPECT_EQ(c.linesA, 8);
    EXPECT_EQ(c.ticksA, 2);
    EXPECT_EQ(c.onlyInA + c.onlyInB, 0);
    const auto empty = compareLines({}, {});
    EXPECT_TRUE(empty.equal());
    EXPECT_EQ(empty.linesA, 0);
}

TEST_F(LogComparisonTest, OneCallDifferenceIsFoundInItsTick) {
    const auto c = compareLines(bounceLog(18), bounceLog(19));
    ASSERT_FALSE(c.equal());
    EXPECT_EQ(c.first->line, 8);
    EXPECT_EQ(c.first->tick, 2);
    EXPECT_EQ(c.first->call, 4);  // the flush that begins the tick is its first call
    EXPECT_EQ(c.first->a.line, "red circle at (18,12), radius 20");
    EXPECT_EQ(c.first->b.line, "red circle at (19,12), radius 20");
    EXPECT_EQ(c.onlyInA, 1);
    EXPECT_EQ(c.onlyInB, 1);
}

// An inserted line is one line of difference, not a shift of everything after it; a tick
// that ends early shows the next tick's first line in its place.
TEST_F(LogComparisonTest, InsertedLinesAndShortTicksAreAligned) {
    auto inserted = bounceLog();
    inserted.insert(inserted.begin() + 3, "black line from (0,0) to (5,5), width 1");
    const auto c = compareLines(bounceLog(), inserted);
    EXPECT_EQ(c.first->line, 4);
    EXPECT_EQ(c.first->a.line, "red circle at (9,6), radius 20");
    EXPECT_EQ(c.first->b.line, "black line from (0,0) to (5,5), width 1");
    EXPECT_EQ(c.onlyInA, 0);
    EXPECT_EQ(c.onlyInB, 1);

    auto shortTick = bounceLog();
    shortTick.erase(shortTick.begin() + 3);  // the first tick draws no circle
    const auto s = compareLines(bounceLog(), shortTick);
    EXPECT_EQ(s.first->line, 4);
    EXPECT_EQ(s.first->tick, 1);
    EXPECT_EQ(s.first->b.line, "Flushing the graphics window");
    EXPECT_EQ(s.onlyInA, 1);
    EXPECT_EQ(s.onlyInB, 0);
}

TEST_F(LogComparisonTest, ALogThatEndsEarlyDiffersByWhatItLacks) {
    auto shorter = bounceLog();
    shorter.resize(4);
    const auto c = compareLines(bounceLog(), shorter);
    EXPECT_EQ(c.first->line, 5);
    EXPECT_EQ(c.first->tick, 2);
    EXPECT_EQ(c.first->call, 1);
    EXPECT_EQ(c.first->a.line, "Flushing the graphics window");
    EXPECT_FALSE(c.first->b.line);  // the log ends
    EXPECT_EQ(c.onlyInA, 4);
    EXPECT_EQ(c.onlyInB, 0);
    EXPECT_EQ(c.ticksA, 2);
    EXPECT_EQ(c.ticksB, 1);
}

// With --log-events each event is a script line: ticks are counted by them (n at once),
// flushes are drawing calls and events are not.
TEST_F(LogComparisonTest, EventLinesMarkTheTicks) {
    const std::vector<std::string> a = {"The clock \"Town hall\" starts.",
                                        "DROVA_PERIODIC(3);",
                                        "Flushing the graphics window",
                                        "black circle at (0,0), radius 5",
                                        "DROVA_MOUSE(40, 20);",
                                        "Flushing the graphics window",
                                        "black circle at (40,20), radius 5",
                                        "DROVA_PERIODIC(1);",
                                        "Flushing the graphics window"};
    auto b = a;
    b[6] = "red circle at (40,20), radius 5";
    const auto c = compareLines(a, b);
    EXPECT_EQ(c.ticksA, 4);
    EXPECT_EQ(c.first->line, 7);
    EXPECT_EQ(c.first->tick, 3);
    EXPECT_EQ(c.first->call, 4);  // flush, circle, flush: the click is no drawing call
    EXPECT_FALSE(c.first->event);
    // Before the first tick.
    auto before = a;
    before[0] = "The clock \"Station\" starts.";
    const auto d = compareLines(a, before);
    EXPECT_EQ(d.first->line, 1);
    EXPECT_EQ(d.first->tick, 0);
    EXPECT_EQ(d.first->call, 1);
    // A click where the other run has a tick.
    auto clicked = a;
    clicked[7] = "DROVA_MOUSE(10, 10);";
    const auto e = compareLines(a, clicked);
    EXPECT_EQ(e.first->tick, 3);
    EXPECT_EQ(e.first->call, 5);
    EXPECT_TRUE(e.first->event);
}

// A program that never clears has one long tick, read in parts: a difference deep in it
// keeps its place.
TEST_F(LogComparisonTest, AVeryLongTickKeepsItsCallNumbers) {
    const std::size_t count = gfx::LogReader::PartLines + 1000;
    std::vector<std::string> a(count, "black line");
    auto b = a;
    b[count - 500] = "red line";
    const auto c = compareLines(a, b);
    const auto line = static_cast<long long>(count - 499);
    EXPECT_EQ(c.first->line, line);
    EXPECT_EQ(c.first->tick, 0);
    EXPECT_EQ(c.first->call, line);
    EXPECT_EQ(c.onlyInA, 1);
    EXPECT_EQ(c.onlyInB, 1);
}

}  // namespace
