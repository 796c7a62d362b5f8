// Pixel-exact rendering into the off-screen image.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "tests/support/headless_session.h"

namespace {

using Rgb = std::uint32_t;
constexpr Rgb White = 0xFFFFFF, Black = 0x000000, Blue = 0x0000FF;

class Render : public ::testing::Test {
protected:
    Rgb at(int x, int y) { return session.backend().image().rgbAt(300 + x, 250 - y); }
    // Whether any pixel of the world box (inclusive) differs from white.
    bool anyInk(int left, int top, int right, int bottom) {
        for (int x = left; x <= right; ++x)
            for (int y = bottom; y <= top; ++y)
                if (at(x, y) != White) return true;
        return false;
    }
    HeadlessSession session;
    Display display;
};

TEST_F(Render, ImageAndOriginMatchTheClientArea) {
    EXPECT_EQ(gfx::PixelImage::Width, 601);
    EXPECT_EQ(gfx::PixelImage::Height, 540);
    EXPECT_EQ(gfx::state().window.centreX, 300);
    EXPECT_EQ(gfx::state().window.centreY, 250);
}

TEST_F(Render, FilledRectangleCoversBothCornersInclusively) {
    display.drawRectangle(10, 10, 0, 0, 0, 0);
    EXPECT_EQ(at(0, 0), Black);
    EXPECT_EQ(at(10, 10), Black);
    EXPECT_EQ(at(0, 10), Black);
    EXPECT_EQ(at(10, 0), Black);
    EXPECT_EQ(at(11, 5), White);
    EXPECT_EQ(at(-1, 5), White);
    EXPECT_EQ(at(5, 11), White);
    EXPECT_EQ(at(5, -1), White);
}

TEST_F(Render, WholeDrawingAreaIsCovered) {
    display.clear(0);
    EXPECT_EQ(at(-300, 250), Black);
    EXPECT_EQ(at(300, -250), Black);
}

TEST_F(Render, OutlinedRectangleLeavesItsInsideAlone) {
    display.drawRectangle(-20, 20, 20, -20, 4, 1);
    EXPECT_EQ(at(-20, 20), Blue);
    EXPECT_EQ(at(20, -20), Blue);
    EXPECT_EQ(at(0, 20), Blue);
    EXPECT_EQ(at(0, 0), White);
    EXPECT_EQ(at(21, 0), White);
}

TEST_F(Render, OvalIsInscribedInItsBox) {
    display.drawOval(-10, 5, 10, -5, 0, 0);
    EXPECT_EQ(at(0, 0), Black);
    EXPECT_EQ(at(-10, 0), Black);
    EXPECT_EQ(at(10, 0), Black);
    EXPECT_EQ(at(0, 5), Black);
    EXPECT_EQ(at(0, -5), Black);
    EXPECT_EQ(at(-10, 5), White);  // the box's corners stay clear
    EXPECT_EQ(at(10, -5), White);
    EXPECT_FALSE(anyInk(-12, 7, -11, -7));
    EXPECT_FALSE(anyInk(11, 7, 12, -7));
}

TEST_F(Render, SmallCircleIsAPlus) {
    display.drawCircle(50, 50, 1, 0);
    EXPECT_EQ(at(50, 50), Black);
    EXPECT_FALSE(anyInk(48, 53, 52, 52));
    EXPECT_FALSE(anyInk(48, 48, 52, 47));
}

TEST_F(Render, LineOfWidthZeroIsOnePixelWide) {
    display.drawLine(-50, 30, 50, 30, 0, 0);
    EXPECT_EQ(at(-50, 30), Black);
    EXPECT_EQ(at(0, 30), Black);
    EXPECT_FALSE(anyInk(-50, 32, 50, 31));
    EXPECT_FALSE(anyInk(-50, 29, 50, 28));
}

TEST_F(Render, WideLineCoversItsWidth) {
    display.drawLine(-50, 30, 50, 30, 0, 4);
    EXPECT_EQ(at(0, 31), Black);
    EXPECT_EQ(at(0, 29), Black);
    EXPECT_EQ(at(0, 34), White);
}

TEST_F(Render, FilledTriangle) {
    display.drawTriangle(0, 0, 30, 0, 0, 30, 4, 0);
    EXPECT_EQ(at(5, 5), Blue);
    EXPECT_EQ(at(0, 0), Blue);
    EXPECT_EQ(at(25, 25), White);
}

TEST_F(Render, TextStandsOnItsAnchorAndFurtherLinesGoDown) {
    display.drawText(0, 0, "Town", 0, 30);
    EXPECT_TRUE(anyInk(0, 30, 100, 1));      // above the anchor
    EXPECT_FALSE(anyInk(0, -1, 100, -40));   // nothing below it
    EXPECT_FALSE(anyInk(-20, 40, -1, -40));  // nothing left of it

    display.clear(1);
    display.drawText(0, 0, "A\nB\nC", 0, 20);
    EXPECT_TRUE(anyInk(0, 20, 40, 1));
    EXPECT_TRUE(anyInk(0, -1, 40, -20));
    EXPECT_TRUE(anyInk(0, -21, 40, -45));
}

TEST_F(Render, TextColourComesFromThePalette) {
    display.drawText(0, 0, "WWWW", 4, 40);
    int blue = 0;
    for (int x = 0; x < 80; ++x)
        for (int y = 1; y <= 40; ++y) {
            Rgb p = at(x, y);
            EXPECT_TRUE(p == White || p == Blue) << std::hex << p;  // no antialiasing
            blue += p == Blue;
        }
    EXPECT_GT(blue, 50);
}

TEST_F(Render, ExtremeCoordinatesAreDrawnSafely) {
    display.drawRectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 4, 0);
    EXPECT_EQ(at(-300, 250), Blue);
    EXPECT_EQ(at(300, -250), Blue);
    display.drawLine(INT_MIN, 0, INT_MAX, 0, 0, 0);
    EXPECT_EQ(at(-300, 0), Black);
    EXPECT_EQ(at(300, 0), Black);
    EXPECT_EQ(at(0, 1), Blue);
    display.clear(1);
    display.drawCircle(INT_MAX, INT_MIN, INT_MAX, 0);  // a vast circle far away
    display.drawCircle(0, 0, INT_MAX, 4);              // one that covers everything
    EXPECT_EQ(at(0, 0), Blue);
    EXPECT_EQ(at(-300, 250), Blue);
    display.clear(1);
    display.drawTriangle(INT_MIN, INT_MIN, INT_MAX, INT_MIN, 0, INT_MAX, 0, 0);
    EXPECT_EQ(at(0, 0), Black);
    display.drawRectangle(INT_MIN, 100, INT_MAX, -100, 4, INT_MAX);  // absurd pen width
    display.drawText(INT_MAX, INT_MIN, "far", 0, 12);
    SUCCEED();
}

TEST_F(Render, ClearPaintsTheImageWhite) {
    display.drawRectangle(-300, 250, 300, -250, 0, 0);
    gfxClear();
    EXPECT_EQ(at(0, 0), White);
    EXPECT_EQ(at(-299, 249), White);
}

}  // namespace
