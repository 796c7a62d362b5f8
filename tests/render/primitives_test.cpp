// The renderer's own rules, pixel by pixel: boxes, ellipses, triangles, lines,
// both pixel formats, and coordinates from anywhere in the int range.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <ctime>

#include "tests/render/canvas.h"

namespace {

using namespace records;
using gfx::PixelFormat;
using gfx::PixelImage;

constexpr std::uint32_t BlackRgb = 0x000000, BlueRgb = 0x0000FF, RedRgb = 0xFF0000,
                        GreenRgb = 0x00FF00;

TEST(PixelImage, StartsWhiteInEitherFormatAndHoldsPaletteColoursAsTheBackEndShowsThem) {
    const PixelImage xrgb(PixelFormat::Xrgb32), rgba(PixelFormat::Rgba8);
    EXPECT_EQ(xrgb.data()[0], 0xFFFFFFFFu);
    EXPECT_EQ(rgba.data()[PixelImage::Width * PixelImage::Height - 1], 0xFFFFFFFFu);
    // Orange, 0xFF6600: one word 0xFFRRGGBB, or the bytes R, G, B, A in memory.
    EXPECT_EQ(xrgb.value(13), 0xFFFF6600u);
    const std::uint32_t v = rgba.value(13);
    unsigned char bytes[4];
    std::memcpy(bytes, &v, 4);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0x66);
    EXPECT_EQ(bytes[2], 0x00);
    EXPECT_EQ(bytes[3], 0xFF);
    // Anything outside the palette is drawn red, as the library reports it.
    EXPECT_EQ(xrgb.value(24), xrgb.value(2));
    EXPECT_EQ(xrgb.value(-1), xrgb.value(2));
}

TEST(PixelImage, BothFormatsGetTheSamePicture) {
    Canvas xrgb(PixelFormat::Xrgb32), rgba(PixelFormat::Rgba8);
    for (Canvas* c : {&xrgb, &rgba}) {
        c->draw(rectangle(8, 0, -50, 40, 10, -20));  // purple
        c->draw(circle(17, 30, 0, 25));              // gold
        c->draw(line(20, 3, -200, -100, 200, 90));   // sea green
    }
    EXPECT_TRUE(xrgb.sameAs(rgba));
    EXPECT_EQ(rgba.at(-20, 20), 0x9900CCu);
    EXPECT_EQ(rgba.at(30, 0), 0xCC9933u);
}

TEST(Rectangles, CoverBothCornerPixels) {
    Canvas c;
    c.draw(rectangle(Black, 0, 0, 10, 10, 0));
    const Canvas::Box b = c.inkBox();
    EXPECT_EQ(b.left, 0);
    EXPECT_EQ(b.right, 10);
    EXPECT_EQ(b.top, 10);
    EXPECT_EQ(b.bottom, 0);
    EXPECT_EQ(c.count(BlackRgb), 11 * 11);
    // A box of one pixel is that pixel; corners in either order give the same box.
    Canvas one, swapped;
    one.draw(rectangle(Blue, 0, 5, 5, 5, 5));
    EXPECT_EQ(one.count(BlueRgb), 1);
    EXPECT_EQ(one.at(5, 5), BlueRgb);
    swapped.draw(rectangle(Black, 0, 10, 0, 0, 10));
    EXPECT_TRUE(swapped.sameAs(c));
}

TEST(Rectangles, OutlinedWithTheOnePixelPenLeaveTheInsideAlone) {
    for (int width : {1, -3}) {  // a record's negative width is drawn as the thin pen
        Canvas c;
        c.draw(rectangle(Blue, width, -20, 20, 20, -20));
        EXPECT_EQ(c.count(BlueRgb), 4 * 40);
        EXPECT_EQ(c.at(-20, 20), BlueRgb);
        EXPECT_EQ(c.at(20, -20), BlueRgb);
        EXPECT_EQ(c.at(0, 20), BlueRgb);
        EXPECT_EQ(c.at(-20, 0), BlueRgb);
        EXPECT_FALSE(c.ink(0, 0));
        EXPECT_FALSE(c.ink(19, 19));
        EXPECT_FALSE(c.ink(21, 0));
    }
}

TEST(Rectangles, WiderPensAreCentredOnTheCornerLinesWithSquareCorners) {
    // The box of world x 0..8 and y 0..-5; the pen is centred on the lines through the
    // pixel corners at its left and top and at its right and bottom pixels' left and
    // top, so an even width shows one more pixel outside on the left and top.
    struct Case {
        int width;
        long long left, right, top, bottom;                  // outside of the pen
        long long holeLeft, holeRight, holeTop, holeBottom;  // inside it
    } cases[] = {{2, -1, 8, 1, -5, 1, 6, -1, -3},
                 {3, -1, 9, 1, -6, 2, 6, -2, -3},
                 {4, -2, 9, 2, -6, 2, 5, -2, -2},
                 {5, -2, 10, 2, -7, 1, 0, 0, -1}};  // no hole left
    for (const Case& k : cases) {
        SCOPED_TRACE(k.width);
        Canvas c;
        c.draw(rectangle(Red, k.width, 0, 0, 8, -5));
        for (long long x = -12; x <= 20; ++x)
            for (long long y = -15; y <= 10; ++y) {
                const bool outer = x >= k.left && x <= k.right && y <= k.top && y >= k.bottom;
                const bool hole =
                    x >= k.holeLeft && x <= k.holeRight && y <= k.holeTop && y >= k.holeBottom;
                EXPECT_EQ(c.ink(x, y), outer && !hole) << x << ", " << y;
            }
    }
}

TEST(Rectangles, OnePixelThinWithAWidePenIsABarReachingBeyondItsEnds) {
    // As the mitres of a path that turns back on itself reach: twice the width.
    Canvas c;
    c.draw(rectangle(Green, 3, 0, 0, 10, 0));
    const Canvas::Box b = c.inkBox();
    EXPECT_EQ(b.left, -6);
    EXPECT_EQ(b.right, 15);
    EXPECT_EQ(b.height(), 3);
    EXPECT_EQ(c.count(GreenRgb), b.width() * b.height());
    Canvas dot;
    dot.draw(rectangle(Green, 3, 7, 7, 7, 7));
    EXPECT_EQ(dot.inkCount(), 0);
}

TEST(Ellipses, AreInscribedInTheirBox) {
    for (const auto& [w, h] :
         {std::pair{20, 10}, {21, 10}, {20, 11}, {7, 30}, {60, 2}, {1, 1}, {15, 3}, {31, 9}}) {
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        for (int pen : {0, 1}) {
            Canvas c;
            c.draw(oval(Black, pen, -10, 5, -10 + w, 5 - h));
            const Canvas::Box b = c.inkBox();
            // Touching all four sides of the box and never beyond them.
            EXPECT_EQ(b.left, -10);
            EXPECT_EQ(b.right, -10 + w);
            EXPECT_EQ(b.top, 5);
            EXPECT_EQ(b.bottom, 5 - h);
            if (w >= 4 && h >= 4) {
                EXPECT_FALSE(c.ink(-10, 5));  // the box's corners stay clear
                EXPECT_FALSE(c.ink(-10 + w, 5 - h));
            }
            // Symmetric about both of the box's middle lines.
            for (long long x = b.left; x <= b.right; ++x)
                for (long long y = b.bottom; y <= b.top; ++y) {
                    EXPECT_EQ(c.ink(x, y), c.ink(b.left + b.right - x, y)) << x << ", " << y;
                    EXPECT_EQ(c.ink(x, y), c.ink(x, b.top + b.bottom - y)) << x << ", " << y;
                }
        }
    }
}

TEST(Ellipses, FilledCoverTheOutlineAndEverythingInside) {
    Canvas filled, outline;
    filled.draw(oval(Blue, 0, -40, 25, 40, -25));
    outline.draw(oval(Blue, 1, -40, 25, 40, -25));
    for (long long y = -25; y <= 25; ++y) {
        long long first = 100, last = -100, runs = 0;
        for (long long x = -41; x <= 41; ++x) {
            if (outline.ink(x, y)) first = std::min(first, x), last = std::max(last, x);
            if (filled.ink(x, y) != filled.ink(x - 1, y)) ++runs;
            if (outline.ink(x, y)) {
                EXPECT_TRUE(filled.ink(x, y));
            }
        }
        EXPECT_EQ(runs, 2) << y;  // one run of ink on every row
        EXPECT_TRUE(filled.ink(first, y) && filled.ink(last, y));
        EXPECT_FALSE(filled.ink(first - 1, y) || filled.ink(last + 1, y));
    }
    // The outline is one pixel thin: its middle is clear.
    EXPECT_FALSE(outline.ink(0, 0));
    EXPECT_FALSE(outline.ink(38, 0));
    EXPECT_TRUE(outline.ink(40, 0));
    // A circle of radius 1 is a plus; of radius 0, nothing.
    Canvas plus, none;
    plus.draw(circle(Black, 50, 50, 1));
    none.draw(circle(Black, 50, 50, 0));
    EXPECT_EQ(plus.inkCount(), 5);
    EXPECT_TRUE(plus.ink(50, 50) && plus.ink(49, 50) && plus.ink(51, 50) && plus.ink(50, 49));
    EXPECT_EQ(none.inkCount(), 0);
}

TEST(Ellipses, AWiderPenIsCentredOnTheCurveAndCoversAllOfASmallOne) {
    // A circle through the pixel corners 20 apart: radius 10 about (10, -10) in pixel
    // corners; a pen of 4 reaches 2 either way.
    Canvas c;
    c.draw(oval(Red, 4, 0, 0, 20, -20));
    const Canvas::Box b = c.inkBox();
    EXPECT_EQ(b.left, -2);
    EXPECT_EQ(b.right, 21);
    EXPECT_EQ(b.top, 2);
    EXPECT_EQ(b.bottom, -21);
    EXPECT_FALSE(c.ink(10, -10));  // its middle is clear
    EXPECT_TRUE(c.ink(10, -1));    // sampled 8.5 from the centre: inside the pen
    EXPECT_FALSE(c.ink(10, -2));   // 7.5 from it: inside the ring
    // A pen wider than the ellipse covers all of it: no hole in the middle.
    Canvas small;
    small.draw(oval(Red, 6, 0, 0, 3, -3));
    for (long long x = 0; x <= 3; ++x)
        for (long long y = -3; y <= 0; ++y) EXPECT_TRUE(small.ink(x, y)) << x << ", " << y;
    Canvas point;
    point.draw(oval(Red, 5, 9, 9, 9, 9));
    EXPECT_EQ(point.inkCount(), 0);
}

TEST(Triangles, FilledCoverTheirCornersAndInside) {
    Canvas c;
    c.draw(triangle(Blue, 0, 0, 0, 30, 0, 0, 30));
    EXPECT_EQ(c.at(0, 0), BlueRgb);
    EXPECT_EQ(c.at(30, 0), BlueRgb);
    EXPECT_EQ(c.at(0, 30), BlueRgb);
    EXPECT_EQ(c.at(5, 5), BlueRgb);
    EXPECT_EQ(c.at(14, 15), BlueRgb);  // on the long edge
    EXPECT_FALSE(c.ink(16, 16));
    EXPECT_FALSE(c.ink(-1, 5));
    EXPECT_FALSE(c.ink(5, -1));
    // Each row is one run from x = 0 to the long edge.
    for (long long y = 0; y <= 30; ++y) {
        long long x = 0;
        while (c.ink(x, y)) ++x;
        EXPECT_EQ(x, 31 - y) << y;
    }
    // Order of the corners does not matter.
    Canvas other;
    other.draw(triangle(Blue, 0, 0, 30, 30, 0, 0, 0));
    EXPECT_TRUE(other.sameAs(c));
}

TEST(Triangles, OutlinedWithTheOnePixelPenAreThreeLines) {
    Canvas outline, lines;
    outline.draw(triangle(Green, 1, -40, -20, 50, -10, 5, 60));
    lines.draw(line(Green, 1, -40, -20, 50, -10));
    lines.draw(line(Green, 1, 50, -10, 5, 60));
    lines.draw(line(Green, 1, 5, 60, -40, -20));
    EXPECT_TRUE(outline.sameAs(lines));
    EXPECT_FALSE(outline.ink(5, 10));
    // Filled ones get the same outline around their inside.
    Canvas filled;
    filled.draw(triangle(Green, 0, -40, -20, 50, -10, 5, 60));
    for (long long x = -45; x <= 55; ++x)
        for (long long y = -25; y <= 65; ++y)
            if (outline.ink(x, y)) {
                EXPECT_TRUE(filled.ink(x, y)) << x << ", " << y;
            }
    EXPECT_TRUE(filled.ink(5, 10));
}

TEST(Triangles, WidePensGoRoundTheCornersAndDegenerateOnesDrawWhatIsLeft) {
    Canvas c;
    c.draw(triangle(Red, 6, -50, -40, 50, -40, 0, 40));
    // The bottom edge runs along the pixel corners at y = -40, the pen 3 either side.
    EXPECT_TRUE(c.ink(-50, -42));
    EXPECT_FALSE(c.ink(-50, -43));
    EXPECT_TRUE(c.ink(-52, -41));   // round beyond the corner: sampled 2.1 from it
    EXPECT_FALSE(c.ink(-53, -42));  // 3.5 from it, which a square corner would cover
    EXPECT_FALSE(c.ink(0, 0));      // the inside stays clear
    // Corners all in one place draw nothing; two in one place draw the one edge.
    Canvas dot, edge, wideLine;
    dot.draw(triangle(Red, 0, 7, 7, 7, 7, 7, 7));
    dot.draw(triangle(Red, 4, 7, 7, 7, 7, 7, 7));
    EXPECT_EQ(dot.inkCount(), 0);
    edge.draw(triangle(Red, 4, -30, 5, 40, 20, -30, 5));
    wideLine.draw(line(Red, 4, -30, 5, 40, 20));
    EXPECT_TRUE(edge.sameAs(wideLine));
}

TEST(Lines, TheOnePixelPenSetsOnePixelPerColumnFromEndToEnd) {
    Canvas c;
    c.draw(line(Black, 1, -50, 30, 50, 30));
    EXPECT_EQ(c.count(BlackRgb), 101);
    EXPECT_TRUE(c.ink(-50, 30) && c.ink(50, 30));
    // Shallow and steep, in every direction: one pixel per column (or row), both ends
    // included, the same pixels whichever end comes first.
    const long long ends[][4] = {
        {-80, -20, 90, 35}, {-80, 35, 90, -20}, {10, -100, -25, 120}, {-3, 4, 4, -3}};
    for (const auto& e : ends) {
        SCOPED_TRACE(::testing::Message() << e[0] << "," << e[1] << " " << e[2] << "," << e[3]);
        Canvas forth, back;
        forth.draw(line(Blue, 1, e[0], e[1], e[2], e[3]));
        back.draw(line(Blue, 1, e[2], e[3], e[0], e[1]));
        EXPECT_TRUE(forth.sameAs(back));
        EXPECT_TRUE(forth.ink(e[0], e[1]) && forth.ink(e[2], e[3]));
        const long long dx = std::abs(e[2] - e[0]), dy = std::abs(e[3] - e[1]);
        EXPECT_EQ(forth.inkCount(), std::max(dx, dy) + 1);
        // Every pixel within half a pixel (and a hair) of the line through the ends.
        for (long long x = -130; x <= 130; ++x)
            for (long long y = -130; y <= 130; ++y) {
                if (!forth.ink(x, y)) continue;
                const double cross =
                    static_cast<double>((x - e[0]) * (e[3] - e[1]) - (y - e[1]) * (e[2] - e[0]));
                EXPECT_LE(std::abs(cross) / static_cast<double>(std::max(dx, dy)), 1.0)
                    << x << ", " << y;
            }
    }
    Canvas point;
    point.draw(line(Black, 1, 9, 9, 9, 9));
    EXPECT_EQ(point.inkCount(), 1);
}

TEST(Lines, WiderPensHaveRoundEndsAndAreCentredOnTheLine) {
    // Along the pixel corners at the top of world row 30, from x = -50 to 50: a pen of 4
    // covers two rows on either side of that line, and its ends are half discs.
    Canvas c;
    c.draw(line(Black, 4, -50, 30, 50, 30));
    EXPECT_TRUE(c.ink(0, 32) && c.ink(0, 31) && c.ink(0, 30) && c.ink(0, 29));
    EXPECT_FALSE(c.ink(0, 33) || c.ink(0, 28));
    EXPECT_TRUE(c.ink(-52, 31) && c.ink(51, 31) && c.ink(-52, 30) && c.ink(51, 30));
    EXPECT_FALSE(c.ink(-53, 31) || c.ink(52, 31));
    // Rounded off: the outer rows end a pixel sooner.
    EXPECT_TRUE(c.ink(-51, 32) && c.ink(50, 32) && c.ink(-51, 29) && c.ink(50, 29));
    EXPECT_FALSE(c.ink(-52, 32) || c.ink(51, 32) || c.ink(-52, 29) || c.ink(51, 29));
    Canvas nothing;
    nothing.draw(line(Black, 5, 9, 9, 9, 9));  // a wide pen along no length
    EXPECT_EQ(nothing.inkCount(), 0);
}

TEST(Clear, PaintsTheImageWhiteInsideAOnePixelBlackFrame) {
    Canvas c;
    c.draw(rectangle(Red, 0, -300, 250, 300, -289));
    c.renderer.clear();
    EXPECT_EQ(c.count(BlackRgb), 2 * 601 + 2 * 538);
    EXPECT_EQ(c.image.rgbAt(0, 0), BlackRgb);
    EXPECT_EQ(c.image.rgbAt(600, 539), BlackRgb);
    EXPECT_EQ(c.image.rgbAt(1, 1), Canvas::White);
    EXPECT_EQ(c.count(RedRgb), 0);
}

// Far-off corners change nothing of what shows: the same line drawn to a corner far
// away and to one on it just off the image gives the same pixels.
TEST(FarAway, ALineGivesTheSamePixelsWhereverItsEndsLie) {
    const long long steps[][2] = {{7, 3}, {-2, 9}, {5, -5}, {-11, -4}, {1, 0}, {13, 12}};
    for (const auto& d : steps)
        for (int width : {1, 2, 5}) {
            SCOPED_TRACE(::testing::Message() << d[0] << "," << d[1] << " width " << width);
            const long long near = 800 / std::max(std::abs(d[0]), std::abs(d[1]));
            // As far as the int range goes from a start near the middle.
            const long long far = (INT_MAX - 400) / std::max(std::abs(d[0]), std::abs(d[1]));
            Canvas short_, long_, reversed;
            short_.draw(line(Blue, width, -20, 10, -20 + near * d[0], 10 + near * d[1]));
            long_.draw(line(Blue, width, -20, 10, -20 + far * d[0], 10 + far * d[1]));
            reversed.draw(line(Blue, width, -20 - far * d[0], 10 - far * d[1], -20, 10));
            EXPECT_TRUE(long_.sameAs(short_));
            EXPECT_GT(long_.inkCount(), 200);
            EXPECT_GT(reversed.inkCount(), 200);
        }
}

TEST(FarAway, ShapesAcrossTheWholeIntRangeAreClippedSafelyAndQuickly) {
    // The process's CPU time, not the wall clock: a busy machine does not stretch it.
    const std::clock_t start = std::clock();
    Canvas all;
    all.draw(rectangle(Blue, 0, INT_MIN, INT_MAX, INT_MAX, INT_MIN));
    EXPECT_EQ(all.count(BlueRgb), 601LL * 540);
    Canvas frame;  // a frame far outside the image shows nothing of itself
    frame.draw(rectangle(Blue, 1, INT_MIN, INT_MAX, INT_MAX, INT_MIN));
    frame.draw(rectangle(Blue, 4096, INT_MIN, INT_MAX, INT_MAX, INT_MIN));
    EXPECT_EQ(frame.inkCount(), 0);

    // A vast circle covering everything, one far away, and one whose edge crosses the
    // image: centred a billion below the origin with its top at world y = 0.
    Canvas covered, away, edge;
    covered.draw(circle(Red, 0, 0, INT_MAX));
    EXPECT_EQ(covered.count(RedRgb), 601LL * 540);
    away.draw(circle(Red, INT_MAX, INT_MIN, INT_MAX));
    away.draw(oval(Red, 1, INT_MIN, INT_MAX, INT_MIN + 5, INT_MIN));
    away.draw(oval(Red, 6, INT_MIN, INT_MAX, INT_MIN + 5, INT_MIN));
    EXPECT_EQ(away.inkCount(), 0);
    edge.draw(circle(Red, 0, -1000000000, 1000000000));
    EXPECT_TRUE(edge.ink(0, 0));
    EXPECT_FALSE(edge.ink(0, 1));
    EXPECT_TRUE(edge.ink(-300, 0) && edge.ink(300, 0));  // flat within a pixel across the image
    EXPECT_FALSE(edge.ink(-300, 2) || edge.ink(300, 2));
    Canvas rim;  // a wide pen on an ellipse whose rim passes through the image
    rim.draw(oval(Green, 5, -10, 1000000000, 1999999990, -1000000000));
    EXPECT_TRUE(rim.ink(-10, 0) && rim.ink(-12, 0) && rim.ink(-8, 100));
    EXPECT_FALSE(rim.ink(-13, 0) || rim.ink(-7, 0));

    Canvas lines;
    lines.draw(line(Black, 1, INT_MIN, 0, INT_MAX, 0));
    lines.draw(line(Black, 3, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    lines.draw(line(Black, 4096, INT_MIN, INT_MAX, INT_MIN, INT_MIN));  // far left, vast pen
    lines.draw(triangle(Black, 7, INT_MAX, INT_MAX, INT_MAX, INT_MIN, INT_MAX - 1, 0));
    lines.draw(text(Black, INT_MAX, INT_MIN, 0, "far"));
    lines.draw(text(Black, INT_MIN, INT_MAX, 127, "far\nand\naway"));
    // The diagonal runs along pixel corners, so its samples lie from 1 below to 3 above it.
    for (long long x = -300; x <= 300; ++x) {
        EXPECT_TRUE(lines.ink(x, 0));
        for (long long d = -2; d <= 4; ++d) {
            const long long y = x + d;
            if (y < -289 || y > 250 || y == 0) continue;
            EXPECT_EQ(lines.ink(x, y), d >= -1 && d <= 3) << x << ", " << y;
        }
    }
    Canvas vast;
    vast.draw(triangle(Black, 0, INT_MIN, INT_MIN, INT_MAX, INT_MIN, 0, INT_MAX));
    EXPECT_EQ(vast.inkCount(), 601LL * 540);

    // The widest pen along curves of hundreds of pieces, each piece covering the whole
    // image: the pieces are merged before painting, so this stays cheap.
    Canvas pens;
    for (int i = 0; i < 20; ++i) {
        pens.draw(oval(Green, gfx::Renderer::MaxPenWidth, -250 + i, 200, 250, -200 - i));
        pens.draw(triangle(Green, gfx::Renderer::MaxPenWidth, -200, 0, 200, 10 + i, 0, 100));
    }
    EXPECT_EQ(pens.count(GreenRgb), 601LL * 540);

    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_LT(seconds, 2.0);
}

}  // namespace
