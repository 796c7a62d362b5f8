// The traffic-mode buttons, their highlight, the hit test and the mode label.
#include "app/traffic_buttons.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gfx/render/colour_table.h"
#include "tests/support/headless_session.h"
#include "traffic/random_sequence.h"

using ::testing::ElementsAre;

namespace {

std::string labelLine(const char* colour, int x, const char* text) {
    return std::string(colour) + " text at (" + std::to_string(x) + ",-235), \"" + text + "\"\n";
}

TEST(TrafficButtons, TwoGrayButtonsWithBlackLabels) {
    LoggedDisplay d;
    drawTrafficButtons(d.display);
    EXPECT_THAT(
        d.takeLog(),
        ElementsAre("20% gray rectangle with bounding box (91,-215) to (197,-247), filled\n",
                    "20% gray rectangle with bounding box (191,-215) to (297,-247), filled\n",
                    labelLine("black", 110, "Heavy Traffic"),
                    labelLine("black", 215, "Light Traffic")));
}

TEST(TrafficButtons, HighlightFramesTheButtonAndRecoloursItsLabel) {
    for (int mode : {0, 1}) {
        LoggedDisplay d;
        seedRandom(77);
        const int colour = nextRandom() % 24;
        seedRandom(77);
        highlightTrafficButton(d.display, mode);
        const int b = 100 * mode;
        auto box = [&](const char* c, int l, int t, int r, int bo) {
            return std::string(c) + " rectangle with bounding box (" + std::to_string(l) + "," +
                   std::to_string(t) + ") to (" + std::to_string(r) + "," + std::to_string(bo) +
                   ") with line width 2\n";
        };
        EXPECT_THAT(d.takeLog(), ElementsAre(box("50% gray", b + 95, -220, b + 193, -240),
                                             box("white", b + 97, -222, b + 194, -242),
                                             box("20% gray", b + 97, -222, b + 192, -240),
                                             labelLine(gfx::colourAt(colour).name, mode ? 215 : 110,
                                                       mode ? "Light Traffic" : "Heavy Traffic")));
    }
}

TEST(TrafficButtons, HighlightColourFlickersThroughThePalette) {
    LoggedDisplay d;
    seedRandom(5);
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        highlightTrafficButton(d.display, 1);
        seen.insert(d.takeLog().back());
    }
    EXPECT_EQ(seen.size(), 24u);
}

struct Hit {
    int x, y, mode;
    const char* label;
};

TEST(TrafficButtons, HitTestAndModeLabel) {
    const Hit hits[] = {
        {95, -220, 0, "Heavy Traffic"},  {194, -240, 0, "Heavy Traffic"},
        {195, -230, 1, "Light Traffic"}, {294, -230, 1, "Light Traffic"},
        {296, -230, 2, "No Selection"},  {150, -219, -1, "No Selection"},
        {150, -241, -1, "No Selection"}, {94, -230, -1, "No Selection"},
        {-100, 100, -1, "No Selection"},
    };
    for (const Hit& h : hits) {
        LoggedDisplay d;
        EXPECT_EQ(selectTrafficMode(d.display, h.x, h.y), h.mode) << h.x << "," << h.y;
        EXPECT_THAT(
            d.takeLog(),
            ElementsAre("50% gray text at (-290,-240), \"Mode: " + std::string(h.label) + "\"\n"));
    }
}

TEST(TrafficButtons, NoHighlightBesideModesZeroAndOne) {
    LoggedDisplay d;
    highlightTrafficButton(d.display, 2);
    highlightTrafficButton(d.display, -1);
    EXPECT_TRUE(d.takeLog().empty());
}

}  // namespace
