// The rasterisers against plain models of their shapes: small ellipses as the program
// has always drawn them, and fills and wide pens against a pixel-by-pixel test of each
// pixel's sample point.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "gfx/render/ellipse_quadrant.h"
#include "gfx/render/midpoint_ellipse.h"
#include "gfx/render/sampling.h"
#include "gfx/render/span_painter.h"
#include "gfx/render/triangle_fill.h"
#include "gfx/render/wide_pen.h"
#include "tests/render/canvas.h"

namespace {

using gfx::PixelImage;

// The box's pixels as rows of '#' (ink) and '.'.
std::vector<std::string> picture(const Canvas& c, long long left, long long top, long long right,
                                 long long bottom) {
    std::vector<std::string> rows;
    for (long long y = top; y >= bottom; --y) {
        std::string row;
        for (long long x = left; x <= right; ++x) row += c.ink(x, y) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

TEST(SmallEllipses, ComeOutAsTheyAlwaysHave) {
    struct Case {
        int width, height, pen;
        std::vector<std::string> rows;
    } cases[] = {
        {15,
         9,
         1,
         {"....########....", "..##........##..", ".#............#.", "#..............#",
          "#..............#", "#..............#", "#..............#", ".#............#.",
          "..##........##..", "....########...."}},
        {10,
         6,
         0,
         {"...#####...", ".#########.", "###########", "###########", "###########", ".#########.",
          "...#####..."}},
        {8,
         15,
         0,  // a car's body
         {"...###...", "..#####..", "..#####..", ".#######.", ".#######.", "#########", "#########",
          "#########", "#########", "#########", "#########", ".#######.", ".#######.", "..#####..",
          "..#####..", "...###..."}},
        {6, 6, 1, {"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.", "..###.."}},
        {13,
         12,
         1,
         {"....######....", "..##......##..", ".#..........#.", "#............#", "#............#",
          "#............#", "#............#", "#............#", "#............#", "#............#",
          ".#..........#.", "..##......##..", "....######...."}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(::testing::Message() << k.width << " x " << k.height << " pen " << k.pen);
        Canvas c;
        c.draw(records::oval(records::Black, k.pen, 0, 0, k.width, -k.height));
        EXPECT_EQ(picture(c, 0, 0, k.width, -k.height), k.rows);
        EXPECT_EQ(c.inkBox().width(), k.width + 1);
    }
}

// Huge boxes go row by row rather than step by step. Where both can be had, every row
// has pixels, the rows start on the box's top and meet its sides, and every pixel lies
// near the true curve: within 0.8 pixel for the row-by-row rule (the nearest pixel is
// at most half a diagonal away); within two for the
// stepped one, which keeps to the way the program always drew small ellipses and, on
// flat boxes of an odd size, strays further.
TEST(SmallEllipses, TheRowByRowAndTheSteppedRuleBothKeepToTheCurve) {
    for (long long w = 0; w <= 300; w += 7)
        for (long long h = 0; h <= 300; h += 11) {
            if (w < 2 || h < 2) continue;
            SCOPED_TRACE(::testing::Message() << w << " x " << h);
            const std::vector<gfx::EllipseRun> stepped = gfx::midpointEllipse(w, h);
            const gfx::EllipseQuadrant rows(w, h);
            ASSERT_EQ(static_cast<long long>(stepped.size()), rows.b() + 1);
            const double a = w / 2.0, b = h / 2.0;
            // Distance of a pixel's centre, in the quadrant, from the curve, to first order.
            auto away = [&](long long x, long long y) {
                const double px = x + rows.splitX() / 2.0, py = y + rows.splitY() / 2.0;
                const double f = px * px / (a * a) + py * py / (b * b) - 1;
                const double g = 2 * std::hypot(px / (a * a), py / (b * b));
                return std::abs(f) / g;
            };
            double worstRows = 0, worstSteps = 0;
            for (long long y = 0; y <= rows.b(); ++y) {
                long long inner = -1, outer = -1;
                ASSERT_TRUE(rows.run(y, inner, outer)) << "row " << y;
                ASSERT_TRUE(inner >= 0 && inner <= outer && outer <= rows.a()) << "row " << y;
                const gfx::EllipseRun& s = stepped[static_cast<std::size_t>(y)];
                ASSERT_TRUE(s.inner >= 0 && s.inner <= s.outer && s.outer <= rows.a()) << y;
                for (long long x = inner; x <= outer; ++x)
                    worstRows = std::max(worstRows, away(x, y));
                for (long long x = s.inner; x <= s.outer; ++x)
                    worstSteps = std::max(worstSteps, away(x, y));
                if (y == rows.b()) {
                    EXPECT_EQ(inner, 0);
                    EXPECT_EQ(s.inner, 0);
                }
                if (y == 0) {
                    EXPECT_EQ(outer, rows.a());
                    EXPECT_EQ(s.outer, rows.a());
                }
            }
            EXPECT_LE(worstRows, 0.8);
            EXPECT_LE(worstSteps, 2.0);
        }
}

// Pixel by pixel: is the sample point of (i, j) inside? Points within a hair of the
// shape's edge are not judged, since there rounding may go either way.
template <typename Distance>
void expectCoverage(const PixelImage& image, Distance distance, const char* what) {
    long long wrong = 0, judged = 0;
    for (int j = 0; j < PixelImage::Height; ++j)
        for (int i = 0; i < PixelImage::Width; ++i) {
            const double d =
                distance(gfx::sampling::sampleOf(i), gfx::sampling::sampleOf(j));  // < 0 inside
            if (std::abs(d) < 1e-6) continue;
            ++judged;
            wrong += (d < 0) != (image.rgbAt(i, j) != 0xFFFFFF);
        }
    EXPECT_EQ(wrong, 0) << what;
    EXPECT_GT(judged, 300000);
}

TEST(Coverage, ATrianglesFillIsEveryPixelWhoseSampleLiesInside) {
    std::mt19937 random(21);
    std::uniform_int_distribution<int> x(-100, 700), y(-100, 640);
    for (int n = 0; n < 60; ++n) {
        const double xs[3] = {double(x(random)), double(x(random)), double(x(random))};
        const double ys[3] = {double(y(random)), double(y(random)), double(y(random))};
        PixelImage image;
        gfx::fillTriangle(gfx::SpanPainter(image, image.value(0)), xs, ys);
        // Signed distance to the triangle's edges: negative when inside all three.
        const double area = (xs[1] - xs[0]) * (ys[2] - ys[0]) - (ys[1] - ys[0]) * (xs[2] - xs[0]);
        expectCoverage(
            image,
            [&](double px, double py) {
                double worst = -HUGE_VAL;
                for (int k = 0; k < 3; ++k) {
                    const int l = (k + 1) % 3;
                    const double ex = xs[l] - xs[k], ey = ys[l] - ys[k];
                    const double side = (ex * (py - ys[k]) - ey * (px - xs[k])) *
                                        (area > 0 ? -1 : 1) / std::hypot(ex, ey);
                    worst = std::max(worst, side);
                }
                return area == 0 ? 1.0 : worst;
            },
            "triangle");
    }
}

double toSegment(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
    const double t =
        length2 == 0 ? 0 : std::clamp(((px - x0) * dx + (py - y0) * dy) / length2, 0.0, 1.0);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

TEST(Coverage, AWidePenCoversEveryPixelWhoseSampleLiesWithinHalfItsWidth) {
    std::mt19937 random(22);
    std::uniform_int_distribution<int> x(-80, 680), y(-80, 620), width(2, 40);
    for (int n = 0; n < 60; ++n) {
        const double x0 = x(random), y0 = y(random), x1 = x(random), y1 = y(random);
        const double w = width(random), r = w / 2;
        PixelImage image;
        gfx::WidePen(gfx::SpanPainter(image, image.value(0)), w).segment(x0, y0, x1, y1);
        expectCoverage(
            image, [&](double px, double py) { return toSegment(px, py, x0, y0, x1, y1) - r; },
            "segment");
    }
}

TEST(Coverage, AWidePenAlongAnEllipseCoversWhatLiesWithinHalfItsWidthOfTheCurve) {
    std::mt19937 random(23);
    std::uniform_int_distribution<int> centre(50, 550), half(0, 400), width(2, 12);
    for (int n = 0; n < 12; ++n) {
        const double cx = centre(random), cy = centre(random), a = half(random) / 2.0,
                     b = half(random) / 2.0, r = width(random) / 2.0;
        SCOPED_TRACE(::testing::Message()
                     << cx << ", " << cy << " half axes " << a << ", " << b << " pen " << 2 * r);
        PixelImage image;
        gfx::WidePen(gfx::SpanPainter(image, image.value(0)), 2 * r).ellipse(cx, cy, a, b);
        // The curve as 4,000 chords, each within a thousandth of a pixel of it, filed
        // by the 4 x 4 cells of the image they pass within reach of.
        constexpr int Cell = 4, Across = PixelImage::Width / Cell + 1,
                      Down = PixelImage::Height / Cell + 1;
        std::vector<std::vector<std::array<double, 4>>> cells(Across * Down);
        const int steps = 4000;
        for (int k = 0; k < steps; ++k) {
            const double t0 = 2 * M_PI * k / steps, t1 = 2 * M_PI * (k + 1) / steps;
            const std::array<double, 4> chord = {cx + a * std::cos(t0), cy + b * std::sin(t0),
                                                 cx + a * std::cos(t1), cy + b * std::sin(t1)};
            const double reach = r + 1;
            const int i0 = std::max(0, int((std::min(chord[0], chord[2]) - reach) / Cell));
            const int i1 = std::min(Across - 1, int((std::max(chord[0], chord[2]) + reach) / Cell));
            const int j0 = std::max(0, int((std::min(chord[1], chord[3]) - reach) / Cell));
            const int j1 = std::min(Down - 1, int((std::max(chord[1], chord[3]) + reach) / Cell));
            for (int j = j0; j <= j1; ++j)
                for (int i = i0; i <= i1; ++i) cells[j * Across + i].push_back(chord);
        }
        // The pen's own chords stray by up to 0.02 pixel; no pixel that near is judged.
        long long wrong = 0;
        for (int j = 0; j < PixelImage::Height; ++j)
            for (int i = 0; i < PixelImage::Width; ++i) {
                const double px = gfx::sampling::sampleOf(i), py = gfx::sampling::sampleOf(j);
                double d = HUGE_VAL;  // beyond reach when no chord is filed here
                for (const auto& c : cells[(j / Cell) * Across + i / Cell])
                    d = std::min(d, toSegment(px, py, c[0], c[1], c[2], c[3]));
                if (std::abs(d - r) < 0.03) continue;
                wrong += (d < r) != (image.rgbAt(i, j) != 0xFFFFFF);
            }
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
