// Argument checks, their messages and the drawing log lines of every primitive.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "gfx/core/library_reset.h"
#include "gfx/render/colour_table.h"
#include "tests/support/headless_session.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::uint32_t pixelAt(HeadlessSession& s, int x, int y) {
    return s.backend().image().rgbAt(300 + x, 250 - y);
}

TEST(DrawingLog, RectangleCornersAreOrderedEitherWay) {
    LoggedDisplay d;
    d.display.drawRectangle(10, 10, 0, 0, 0, 0);
    d.display.drawRectangle(0, 0, 10, 10, 0, 0);
    d.display.drawRectangle(-5, 7, 3, -2, 4, 3);
    EXPECT_THAT(
        d.takeLog(),
        ElementsAre("black rectangle with bounding box (0,10) to (10,0), filled\n",
                    "black rectangle with bounding box (0,10) to (10,0), filled\n",
                    "blue rectangle with bounding box (-5,7) to (3,-2) with line width 3\n"));
}

TEST(DrawingLog, EveryPrimitiveLogsOneLine) {
    LoggedDisplay d;
    d.display.drawCircle(5, -6, 7, 13);
    d.display.drawTriangle(1, 2, 3, 4, 5, 6, 22, 0);
    d.display.drawOval(8, 1, -8, -1, 19, 0);
    d.display.drawOval(8, 1, -8, -1, 23, 2);
    d.display.drawLine(1, 2, 3, 4, 9, 0);
    d.display.drawText(-3, 4, "Town", 17, 30);
    EXPECT_THAT(d.takeLog(),
                ElementsAre("orange circle at (5,-6), radius 7\n",
                            "50% gray triangle at (1,2), (3,4), (5,6)\n",
                            "forest green oval with bounding box (-8,1) to (8,-1), filled\n",
                            "20% gray oval with bounding box (-8,1) to (8,-1), line width 2\n",
                            "navy blue line from (1,2) to (3,4), width 0\n",
                            "gold text at (-3,4), \"Town\"\n"));
}

TEST(DrawingLog, NothingIsLoggedWithLoggingOff) {
    HeadlessSession s;
    Display display;  // the log starts switched off once a Display exists
    display.drawCircle(0, 0, 3, 1);
    display.drawText(0, 0, "x", 1, 10);
    EXPECT_THAT(s.takeLog(), IsEmpty());
    EXPECT_FALSE(s.backend().menuChecked(4));
}

TEST(DrawingLog, ColourNamesFollowTheTable) {
    LoggedDisplay d;
    for (int c = 0; c < gfx::ColourCount; ++c) d.display.drawCircle(0, 0, 1, c);
    auto log = d.takeLog();
    ASSERT_EQ(log.size(), 24u);
    EXPECT_EQ(log[8], "purple circle at (0,0), radius 1\n");
    EXPECT_EQ(log[12], "turquoise circle at (0,0), radius 1\n");
    EXPECT_EQ(log[20], "sea green circle at (0,0), radius 1\n");
}

TEST(Corrections, IllegalColourIsReportedAndDrawnRed) {
    HeadlessSession s;
    Display display;
    display.drawRectangle(-10, -10, 10, 10, 24, 0);
    display.drawRectangle(20, 20, 30, 30, -1, 0);
    EXPECT_THAT(s.takeLog(),
                ElementsAre("Illegal color 24; using RED.\n", "Illegal color -1; using RED.\n"));
    EXPECT_EQ(pixelAt(s, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixelAt(s, 25, 25), 0xFF0000u);
}

TEST(Corrections, ChecksComeInEachPrimitivesOwnOrder) {
    LoggedDisplay d;
    d.display.drawRectangle(0, 0, 1, 1, 30, -2);  // colour, then width
    d.display.drawOval(0, 0, 1, 1, 30, -2);       // width, then colour
    d.display.drawLine(0, 0, 1, 1, 30, -2);       // width, then colour
    d.display.drawTriangle(0, 0, 1, 1, 2, 0, 30, -2);
    d.display.drawCircle(0, 0, -4, 30);  // colour, then radius
    EXPECT_THAT(
        d.takeLog(),
        ElementsAre("Illegal color 30; using RED.\n", "Width of -2 not possible, using width 2\n",
                    "red rectangle with bounding box (0,1) to (1,0) with line width 2\n",
                    "Width of -2 not possible, using width 2\n", "Illegal color 30; using RED.\n",
                    "red oval with bounding box (0,1) to (1,0), line width 2\n",
                    "Width of -2 not possible, using width 2\n", "Illegal color 30; using RED.\n",
                    "red line from (0,0) to (1,1), width 2\n", "Illegal color 30; using RED.\n",
                    "Width of -2 not possible, using width 2\n",
                    "red triangle at (0,0), (1,1), (2,0)\n", "Illegal color 30; using RED.\n",
                    "Radius of -4 not possible, using radius 4\n",
                    "red circle at (0,0), radius 4\n"));
}

TEST(Corrections, PointSizeIsMadePositiveThenCapped) {
    HeadlessSession s;
    Display display;
    display.drawText(0, 0, "a", 0, 200);
    display.drawText(0, 0, "b", 0, -300);
    display.drawText(0, 0, "c", 0, -20);
    EXPECT_THAT(s.takeLog(), ElementsAre("ptsize of 200 not possible, using ptsize 127\n",
                                         "ptsize of -300 not possible, using ptsize 300\n",
                                         "ptsize of 300 not possible, using ptsize 127\n",
                                         "ptsize of -20 not possible, using ptsize 20\n"));
}

TEST(Corrections, MostNegativeValuesDoNotOverflow) {
    HeadlessSession s;
    Display display;
    display.drawLine(0, 0, 1, 1, 0, INT_MIN);
    display.drawCircle(0, 0, INT_MIN, 0);
    auto log = s.takeLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], "Width of -2147483648 not possible, using width 2147483647\n");
    EXPECT_EQ(log[1], "Radius of -2147483648 not possible, using radius 2147483647\n");
}

TEST(DisplayFacade, ClearFlushesClearsAndFillsTheArea) {
    LoggedDisplay d;
    d.display.clear(1);
    EXPECT_THAT(
        d.takeLog(),
        ElementsAre("Flushing the graphics window\n", "Clearing the graphics window\n",
                    "white rectangle with bounding box (-300,250) to (300,-250), filled\n"));
}

TEST(DisplayFacade, ClearWithIllegalColourTurnsTheAreaRed) {
    HeadlessSession s;
    Display display;
    display.clear(99);
    EXPECT_THAT(s.takeLog(), ElementsAre("Illegal color 99; using RED.\n"));
    EXPECT_EQ(pixelAt(s, -300, 250), 0xFF0000u);
    EXPECT_EQ(pixelAt(s, 300, -250), 0xFF0000u);
    EXPECT_EQ(pixelAt(s, 0, 0), 0xFF0000u);
}

TEST(DisplayFacade, TextIsDrawnLiterally) {
    LoggedDisplay d;
    EXPECT_EQ(d.display.drawText(0, 0, "100%d %s", 0, 10), 8);
    EXPECT_THAT(d.takeLog(), ElementsAre("black text at (0,0), \"100%d %s\"\n"));
}

TEST(DisplayFacade, OverlongTextIsCutAtTheBuffer) {
    LoggedDisplay d;
    const std::string text(5000, 'x');
    EXPECT_EQ(d.display.drawText(0, 0, text.c_str(), 0, 10), 1023);
    auto log = d.takeLog();
    ASSERT_EQ(log.size(), 1u);
    // The log line itself is cut at its own buffer.
    EXPECT_EQ(log[0].size(), 1023u);
    EXPECT_EQ(log[0].rfind("black text at (0,0), \"xxx", 0), 0u);
}

TEST(DisplayFacade, DestructorClosesTheLibraryOnce) {
    HeadlessSession s;
    {
        Display display;
        display.close();
    }
    SUCCEED();
}

TEST(DisplayFacade, FlushShowsADirtyImageOnce) {
    HeadlessSession s;
    Display display;
    display.drawCircle(0, 0, 2, 0);
    int shown = s.backend().imagesShown();
    gfxFlush();
    gfxFlush();
    EXPECT_EQ(s.backend().imagesShown(), shown + 1);
}

// The status -1 of the second display, as the parent sees it: Windows keeps all 32 bits,
// a POSIX wait its low eight.
#ifdef _WIN32
constexpr int SecondDisplayStatus = -1;
#else
constexpr int SecondDisplayStatus = 255;
#endif

TEST(DisplayFacadeDeath, SecondDisplayShowsTheErrorAndExits) {
    EXPECT_EXIT(
        {
            HeadlessSession s;
            Display first;
            Display second;
        },
        ::testing::ExitedWithCode(SecondDisplayStatus), "");
}

// Exits with 3 unless the dialog shows the error text padded to 79 characters.
class PromptCheckingBackend : public gfx::HeadlessBackend {
public:
    bool runInputDialog(const std::string& prompt, std::string& reply) override {
        const std::string expected = "Error: Attempted to instantiate multiple DROVA displays";
        if (prompt != expected + std::string(79 - expected.size(), ' ')) std::_Exit(3);
        reply = "ignored";
        return true;
    }
};

TEST(DisplayFacadeDeath, SecondDisplayShowsTheErrorInTheDialog) {
    EXPECT_EXIT(
        {
            gfx::resetLibrary(std::make_unique<PromptCheckingBackend>());
            Display first;
            first.drawCircle(0, 0, 1, 0);
            Display second;
        },
        ::testing::ExitedWithCode(SecondDisplayStatus), "");
}

}  // namespace
