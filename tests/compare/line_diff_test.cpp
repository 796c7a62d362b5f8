// Counting the lines two texts differ in, as diff counts them.
#include "gfx/tools/compare/line_diff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

using Lines = std::vector<std::string>;

// The longest common subsequence by the textbook table, to check the fast count by.
std::size_t commonLines(const Lines& a, const Lines& b) {
    std::vector<std::vector<std::size_t>> t(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            t[i][j] =
                a[i - 1] == b[j - 1] ? t[i - 1][j - 1] + 1 : std::max(t[i - 1][j], t[i][j - 1]);
    return t[a.size()][b.size()];
}

TEST(LineDiff, CountsWhatTheLongestCommonRunLeaves) {
    std::mt19937 random(31);
    for (int round = 0; round < 300; ++round) {
        // Few distinct lines, so that there is much to align.
        std::uniform_int_distribution<int> length(0, 40), word(0, 4);
        Lines a(length(random)), b(length(random));
        for (auto& line : a) line = std::string(1, static_cast<char>('a' + word(random)));
        for (auto& line : b) line = std::string(1, static_cast<char>('a' + word(random)));
        const gfx::LineDiff d = gfx::diffLines(a, b);
        const std::size_t common = commonLines(a, b);
        ASSERT_FALSE(d.rough);
        ASSERT_EQ(d.onlyInA, a.size() - common) << "round " << round;
        ASSERT_EQ(d.onlyInB, b.size() - common) << "round " << round;
    }
}

TEST(LineDiff, ChangedInsertedAndRemovedLines) {
    const Lines base = {"flush", "clear", "red circle", "text"};
    Lines changed = base, inserted = base, removed = base;
    changed[2] = "blue circle";
    inserted.insert(inserted.begin() + 1, "extra");
    removed.erase(removed.begin());
    EXPECT_EQ(gfx::diffLines(base, base).onlyInA, 0u);
    const gfx::LineDiff c = gfx::diffLines(base, changed), i = gfx::diffLines(base, inserted),
                        r = gfx::diffLines(base, removed);
    EXPECT_EQ(std::make_pair(c.onlyInA, c.onlyInB), std::make_pair(std::size_t{1}, std::size_t{1}));
    EXPECT_EQ(std::make_pair(i.onlyInA, i.onlyInB), std::make_pair(std::size_t{0}, std::size_t{1}));
    EXPECT_EQ(std::make_pair(r.onlyInA, r.onlyInB), std::make_pair(std::size_t{1}, std::size_t{0}));
}

// Past the work allowed, every line between the common beginning and end is counted.
TEST(LineDiff, TooManyDifferencesAreCountedRoughly) {
    Lines a = {"same"}, b = {"same"};
    for (int i = 0; i < 50; ++i) {
        a.push_back("a" + std::to_string(i));
        b.push_back("b" + std::to_string(i));
    }
    a.emplace_back("end");
    b.emplace_back("end");
    const gfx::LineDiff d = gfx::diffLines(a, b, 10);
    EXPECT_TRUE(d.rough);
    EXPECT_EQ(d.onlyInA, 50u);
    EXPECT_EQ(d.onlyInB, 50u);
    EXPECT_FALSE(gfx::diffLines(a, b).rough);
}

}  // namespace
