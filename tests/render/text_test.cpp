// Text from the font file: palette colour on a transparent background, the em equal to
// the point size, lines standing on the anchor and going down, glyphs kept per size.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "gfx/render/font_face.h"
#include "tests/render/canvas.h"

namespace {

using namespace records;

constexpr std::uint32_t BlueRgb = 0x0000FF, YellowRgb = 0xFFFF00;

TEST(Text, IsDrawnInItsColourWithNothingElseAroundIt) {
    Canvas c;
    c.draw(rectangle(5, 0, -10, 60, 200, -20));  // yellow
    c.draw(text(Blue, 0, 0, 40, "WWWW"));
    long long blue = 0;
    for (long long x = -10; x <= 200; ++x)
        for (long long y = -20; y <= 60; ++y) {
            const std::uint32_t p = c.at(x, y);
            EXPECT_TRUE(p == BlueRgb || p == YellowRgb) << std::hex << p;  // no blending
            blue += p == BlueRgb;
        }
    EXPECT_GT(blue, 300);
    EXPECT_EQ(c.count(BlueRgb), blue);  // nothing beyond
}

TEST(Text, TheFirstLineStandsOnTheAnchorAndFurtherLinesGoDown) {
    Canvas c;
    const int h = c.renderer.text().lineHeight(20);
    ASSERT_GT(h, 20);  // ascent and descent together exceed the em
    c.draw(text(Black, 0, 0, 20, "Tg"));
    const Canvas::Box first = c.inkBox();
    EXPECT_EQ(first.left >= 0 && first.left <= 2, true) << first.left;
    EXPECT_LE(first.top, h);     // no higher than one line above the anchor
    EXPECT_GE(first.bottom, 1);  // and wholly above it, the tail of the g too
    EXPECT_GT(first.top - first.bottom, 15);

    // The baseline lies one descent above the anchor: a T stands on the row just above it.
    std::string error;
    const auto face = gfx::FontFace::open(GFX_FONT_FILE, error);
    ASSERT_NE(face, nullptr) << error;
    Canvas t;
    t.draw(text(Black, 0, 0, 20, "T"));
    EXPECT_EQ(t.inkBox().bottom, face->metrics(20).descent + 1);
    EXPECT_EQ(face->metrics(20).height(), h);

    Canvas lines;
    lines.draw(text(Black, 0, 0, 20, "Tg\nTg\nTg"));
    const Canvas::Box all = lines.inkBox();
    EXPECT_EQ(all.top, first.top);
    EXPECT_EQ(all.bottom, first.bottom - 2 * h);
    // Each line is the first one moved down by a line height.
    for (long long x = -5; x <= 60; ++x)
        for (long long y = first.bottom - 1; y <= first.top + 1; ++y) {
            EXPECT_EQ(lines.ink(x, y - h), c.ink(x, y)) << x << ", " << y;
            EXPECT_EQ(lines.ink(x, y - 2 * h), c.ink(x, y)) << x << ", " << y;
        }
    // An empty line still takes its room.
    Canvas gap;
    gap.draw(text(Black, 0, 0, 20, "\n\nTg"));
    EXPECT_EQ(gap.inkBox().bottom, all.bottom);
}

TEST(Text, TheEmIsThePointSizeAndSizeZeroIsSixteen) {
    // DejaVu Sans's capitals stand 0.73 em tall.
    for (int size : {10, 30, 100, 127}) {
        Canvas c;
        c.draw(text(Black, 0, 0, size, "H"));
        EXPECT_NEAR(static_cast<double>(c.inkBox().height()), 0.73 * size, 1.0) << size;
    }
    Canvas zero, sixteen;
    zero.draw(text(Black, 0, 0, 0, "Fenn's Town"));
    sixteen.draw(text(Black, 0, 0, 16, "Fenn's Town"));
    EXPECT_TRUE(zero.sameAs(sixteen));
    EXPECT_GT(zero.inkCount(), 50);
}

TEST(Text, BytesAreLatin1AndControlCharactersTakeNoRoom) {
    Canvas plain, accented;
    plain.draw(text(Black, 0, 0, 30, "e"));
    accented.draw(text(Black, 0, 0, 30, "\xE9"));          // é
    EXPECT_GT(accented.inkBox().top, plain.inkBox().top);  // its accent stands above
    EXPECT_EQ(accented.inkBox().bottom, plain.inkBox().bottom);
    Canvas joined, withTab;
    joined.draw(text(Black, 0, 0, 30, "AB"));
    withTab.draw(text(Black, 0, 0, 30,
                      "A\t\x01\x85"
                      "B"));
    EXPECT_TRUE(joined.sameAs(withTab));
    Canvas high;
    high.draw(text(Black, 0, 0, 30, "\xA9\xC6\xF8\xFF"));
    EXPECT_GT(high.inkCount(), 100);
}

// Strokes of small text are fitted to whole pixels: none falls away between two
// pixels, and none a little wider than one pixel is drawn two wide.
TEST(Text, SmallTextKeepsEveryStrokeAndDrawsThinOnesOnePixelWide) {
    for (int size = 6; size <= 14; ++size) {
        SCOPED_TRACE(size);
        for (const char* glyph : {"l", "i", "o", "e", "-"}) {
            Canvas c;
            c.draw(text(Black, 0, 0, size, glyph));
            EXPECT_GT(c.inkCount(), 0) << glyph;
        }
        // At several positions, so that the stem falls anywhere between pixels.
        for (int x = 0; x < 4; ++x) {
            Canvas l;
            l.draw(text(Black, x, 0, size, "l"));
            const Canvas::Box b = l.inkBox();
            EXPECT_EQ(b.width(), 1);
            EXPECT_EQ(l.inkCount(), b.height());  // one pixel on every row of the stem
            EXPECT_GE(b.height(), size * 7 / 10);
        }
        Canvas dash;
        dash.draw(text(Black, 0, 0, size, "-"));
        EXPECT_EQ(dash.inkBox().height(), 1);
    }
    Canvas big;
    big.draw(text(Black, 0, 0, 60, "l"));
    EXPECT_GE(big.inkBox().width(), 5);  // 0.09 em: large strokes keep their width
    EXPECT_LE(big.inkBox().width(), 6);
}

TEST(Text, RepeatedLabelsReuseTheirGlyphs) {
    Canvas once, twice;
    once.draw(text(Blue, -100, 0, 14, "Heavy Traffic"));
    const gfx::GlyphCache* glyphs = twice.renderer.text().glyphs();
    ASSERT_NE(glyphs, nullptr);
    twice.draw(text(Blue, -100, 0, 14, "Heavy Traffic"));
    const int rasterised = glyphs->rasterised();
    EXPECT_EQ(rasterised, 11);  // distinct characters, the space among them
    twice.draw(rectangle(White, 0, -300, 250, 300, -289));
    twice.draw(text(Blue, -100, 0, 14, "Heavy Traffic"));
    EXPECT_EQ(glyphs->rasterised(), rasterised);
    EXPECT_TRUE(twice.sameAs(once));
    twice.draw(text(Blue, -100, 0, 15, "Heavy"));  // another size is another set
    EXPECT_EQ(glyphs->rasterised(), rasterised + 5);
}

TEST(Text, FarOffOrVeryLongTextIsClippedCheaply) {
    Canvas c;
    std::string many(20000, 'x');
    for (std::size_t i = 100; i < many.size(); i += 100) many[i] = '\n';
    c.draw(text(Black, -300, 250, 127, many));
    c.draw(text(Black, 2000000000, 0, 12, many));
    c.draw(text(Black, 0, -2000000000, 12, many));
    c.draw(text(Black, -2000000000, 0, 12, many));
    EXPECT_GT(c.inkCount(), 1000);
    EXPECT_EQ(c.renderer.text().glyphs()->rasterised(), 2);  // only x is drawn, at two sizes
}

TEST(Text, AFontFileThatCannotBeUsedDrawsNoTextAndSaysSoOnce) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / "render_text_test_fonts";
    std::filesystem::create_directories(dir);
    const std::string missing = (dir / "missing.ttf").string();
    const std::string garbage = (dir / "garbage.ttf").string();
    std::ofstream(garbage) << "not a font at all, and too short to hold one's tables";

    for (const std::string& path : {missing, garbage, dir.string()}) {
        SCOPED_TRACE(path);
        ::testing::internal::CaptureStderr();
        Canvas first(path), second(path);
        first.draw(text(Black, 0, 0, 20, "Town"));
        second.draw(text(Black, 0, 0, 20, "Town"));
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(first.inkCount(), 0);
        EXPECT_EQ(second.inkCount(), 0);
        EXPECT_EQ(second.renderer.text().lineHeight(20), 0);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find(path), std::string::npos) << said;
        // Shapes are drawn as ever.
        first.draw(rectangle(Black, 0, 0, 0, 3, -3));
        EXPECT_EQ(first.inkCount(), 16);
    }
    std::filesystem::remove_all(dir);
}

TEST(FontFace, OpensTheBuildsFontAndRefusesOthersWithAReason) {
    std::string error;
    const auto face = gfx::FontFace::open(GFX_FONT_FILE, error);
    ASSERT_NE(face, nullptr) << error;
    const gfx::FontFace::Metrics m = face->metrics(16);
    EXPECT_EQ(m.ascent, 15);  // DejaVu Sans: 1901 and 483 units of 2048 to the em
    EXPECT_EQ(m.descent, 4);
    const gfx::Glyph g = face->glyph('l', 100);
    EXPECT_GT(g.advance64, 20 * 64);
    EXPECT_LT(g.advance64, 40 * 64);
    EXPECT_FALSE(g.runs.empty());
    EXPECT_EQ(face->glyph(' ', 100).runs.size(), 0u);

    EXPECT_EQ(gfx::FontFace::open("/nonexistent/face.ttf", error), nullptr);
    EXPECT_NE(error.find("/nonexistent/face.ttf"), std::string::npos);
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
}

}  // namespace
