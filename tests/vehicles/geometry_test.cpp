#include "vehicles/geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <random>

#include "tests/vehicles/point_printing.h"

TEST(Direction, ValidityOppositeAndNextClockwise) {
    const int expectedOpposite[] = {2, 3, 0, 1};
    const int expectedNext[] = {1, 2, 3, 0};
    for (int d = 0; d < 4; ++d) {
        EXPECT_TRUE(isValidDirection(d));
        EXPECT_EQ(opposite(d), expectedOpposite[d]);
        EXPECT_EQ(nextClockwise(d), expectedNext[d]);
    }
    for (int d : {-1, 4, 7, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(isValidDirection(d)) << d;
        EXPECT_EQ(opposite(d), North) << d;
        EXPECT_EQ(nextClockwise(d), North) << d;
    }
}

TEST(PointAdvance, StepsAlongEachHeadingAndIgnoresOthers) {
    struct Case {
        Direction d;
        Point expected;
    };
    for (const Case& c : {Case{North, {0, 5}}, Case{East, {5, 0}}, Case{South, {0, -5}},
                          Case{West, {-5, 0}}, Case{4, {0, 0}}, Case{-1, {0, 0}}}) {
        Point p;
        p.advance(c.d, 5);
        EXPECT_EQ(p, c.expected) << c.d;
    }
    Point back(10, 20);
    back.advance(East, -3);
    EXPECT_EQ(back, Point(7, 20));
}

TEST(PointRotateAbout, FollowsTheQuarterTurnTable) {
    const int px = 17, py = -9;
    for (int dx = -3; dx <= 3; ++dx) {
        for (int dy = -3; dy <= 3; ++dy) {
            const Point expected[] = {
                {px + dx, py + dy}, {px + dy, py - dx}, {px - dx, py - dy}, {px - dy, py + dx}};
            for (Direction d = North; d <= West; ++d) {
                Point p(px + dx, py + dy);
                EXPECT_EQ(p.rotateAbout(px, py, d), expected[d]) << dx << "," << dy << " d=" << d;
            }
        }
    }
}

TEST(PointRotateAbout, WorkedExamplesAndPivot) {
    const int px = 40, py = 60;
    EXPECT_EQ(Point(px, py + 10).rotateAbout(px, py, East), Point(px + 10, py));
    EXPECT_EQ(Point(px, py + 10).rotateAbout(px, py, South), Point(px, py - 10));
    EXPECT_EQ(Point(px, py + 10).rotateAbout(px, py, West), Point(px - 10, py));
    EXPECT_EQ(Point(px - 5, py + 6).rotateAbout(px, py, East), Point(px + 6, py + 5));
    EXPECT_EQ(Point(px - 5, py + 6).rotateAbout(px, py, West), Point(px - 6, py - 5));
    for (Direction d = North; d <= West; ++d)
        EXPECT_EQ(Point(px, py).rotateAbout(px, py, d), Point(px, py));
}

TEST(PointRotateAbout, HeadingOutsideRangeReturnsWithPointUnchanged) {
    for (int d : {4, -1, INT_MAX}) EXPECT_EQ(Point(3, 8).rotateAbout(0, 0, d), Point(3, 8));
}

TEST(PointRotateAbout, ChangesThePointInPlace) {
    Point p(0, 10);
    p.rotateAbout(0, 0, East);
    EXPECT_EQ(p, Point(10, 0));
}

TEST(WholeDistance, WorkedExamples) {
    const Point origin;
    EXPECT_EQ(wholeDistance(origin, Point(3, 4)), 5);
    EXPECT_EQ(wholeDistance(origin, Point(1, 1)), 1);
    EXPECT_EQ(wholeDistance(origin, Point(-2, -2)), 2);
    EXPECT_EQ(wholeDistance(origin, origin), 0);
    EXPECT_EQ(wholeDistance(origin, Point(10, 0)), 10);
}

namespace {
__extension__ typedef unsigned __int128 Wide;

Wide squaredDistance(Point a, Point b) {
    const std::int64_t dx = std::int64_t{a.x()} - b.x();
    const std::int64_t dy = std::int64_t{a.y()} - b.y();
    const Wide ux = static_cast<std::uint64_t>(dx < 0 ? -dx : dx);
    const Wide uy = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
    return ux * ux + uy * uy;
}

// r is the integer square root of s exactly when r^2 <= s < (r + 1)^2.
::testing::AssertionResult isIntegerRootOf(std::int64_t r, Point a, Point b) {
    const Wide s = squaredDistance(a, b);
    const Wide ur = static_cast<std::uint64_t>(r);
    if (r >= 0 && ur * ur <= s && (ur + 1) * (ur + 1) > s) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << r << " for (" << a.x() << "," << a.y() << ") to (" << b.x() << "," << b.y() << ")";
}
}  // namespace

TEST(WholeDistance, SmallDistancesMatchACountedRoot) {
    for (int dx = -40; dx <= 40; ++dx) {
        for (int dy = -40; dy <= 40; ++dy) {
            int r = 0;
            while ((r + 1) * (r + 1) <= dx * dx + dy * dy) ++r;
            EXPECT_EQ(wholeDistance(Point(5, -7), Point(5 + dx, -7 + dy)), r) << dx << "," << dy;
        }
    }
}

TEST(WholeDistance, ExactAndSymmetricAcrossThe32BitRange) {
    EXPECT_TRUE(isIntegerRootOf(wholeDistance(Point(INT_MIN, INT_MIN), Point(INT_MAX, INT_MAX)),
                                Point(INT_MIN, INT_MIN), Point(INT_MAX, INT_MAX)));
    EXPECT_EQ(wholeDistance(Point(INT_MIN, 0), Point(INT_MAX, 0)), 4294967295LL);
    EXPECT_EQ(wholeDistance(Point(0, 0), Point(2147483647, 2147483647)), 3037000498LL);

    std::mt19937 generator(7);
    std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
    for (int i = 0; i < 20000; ++i) {
        const Point a(any(generator), any(generator));
        const Point b(any(generator), any(generator));
        const std::int64_t r = wholeDistance(a, b);
        EXPECT_TRUE(isIntegerRootOf(r, a, b));
        EXPECT_EQ(r, wholeDistance(b, a));
    }
}

TEST(WholeDistance, CorrectsDoubleRoundingNearPerfectSquares) {
    // (2n^2)^2 + (2n)^2 = (2n^2 + 1)^2 - 1: the double sum rounds up to the square.
    EXPECT_EQ(wholeDistance(Point(-1600000000, 0), Point(1600000000, 80000)), 3200000000LL);
    // 46003^2 - 2213^2 and 2 * 46003 * 2213 make an exact square that the double sum rounds down.
    EXPECT_EQ(wholeDistance(Point(0, 0), Point(2111378640, 203609278)), 2121173378LL);
}
