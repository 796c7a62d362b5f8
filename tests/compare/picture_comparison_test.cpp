// Pictures of runs compared pixel by pixel, animations frame by frame, and the marked
// picture of the two.
#include "gfx/tools/compare/picture_comparison.h"

#include "gfx/palette.h"
#include "gfx/tools/compare/marked_picture.h"
#include "gfx/tools/compare/png_reader.h"
#include "tests/compare/compare_fixture.h"

namespace {

namespace palette = gfx::palette;
using gfx::PixelImage;
using PictureComparisonTest = CompareTest;

gfx::PictureComparison comparePaths(const std::string& a, const std::string& b) {
    std::string error;
    const auto result = gfx::comparePictures(a, b, error);
    EXPECT_TRUE(result) << error;
    return result.value_or(gfx::PictureComparison{});
}

// The window's picture as the runner's GIF holds it, with a block in one place.
PixelImage windowWith(int x, int colour) {
    PixelImage image;
    for (int y = 100; y < 110; ++y)
        for (int dx = 0; dx < 10; ++dx) setPixel(image, x + dx, y, colour);
    return image;
}

TEST_F(PictureComparisonTest, PngsDifferInTheirPixels) {
    PixelImage a = smallPicture(), b = smallPicture();
    setPixel(b, 5, 7, palette::Blue);
    setPixel(b, 59, 39, palette::Red);
    const auto same = comparePaths(writePicture("a.png", a), writePicture("a2.png", a));
    EXPECT_TRUE(same.equal());
    EXPECT_EQ(same.width, 60);
    EXPECT_EQ(same.height, 40);
    const auto c = comparePaths(at("a.png"), writePicture("b.png", b));
    EXPECT_FALSE(c.equal());
    EXPECT_EQ(c.differingPixels, 2);
    EXPECT_EQ(c.firstFrame, 1);
}

TEST_F(PictureComparisonTest, AnimationsDifferFromTheirFirstDifferentFrame) {
    SKIP_WITHOUT_GIFS();
    const std::vector<PixelImage> a = {windowWith(10, palette::Red), windowWith(20, palette::Red),
                                       windowWith(30, palette::Red)};
    // The second frame's block is blue: 100 pixels of one frame differ.
    const std::vector<PixelImage> b = {a[0], windowWith(20, palette::Blue), a[2]};
    const auto c = comparePaths(writeGif("a.gif", a), writeGif("b.gif", b));
    EXPECT_EQ(c.kind, gfx::PictureKind::Gif);
    EXPECT_EQ(c.height, GifWriter::Rows);
    EXPECT_EQ(c.framesA, 3);
    EXPECT_EQ(c.differingFrames, 1);
    EXPECT_EQ(c.differingPixels, 100);
    EXPECT_EQ(c.firstFrame, 2);
    // The frames shown are the second ones: each frame holds only what changed, drawn
    // over the frame before as a viewer draws it.
    EXPECT_EQ(c.shownA.at(25, 105), 0xFFFF0000u);
    EXPECT_EQ(c.shownB.at(25, 105), 0xFF0000FFu);
    EXPECT_EQ(c.shownB.at(15, 105), 0xFFFFFFFFu);

    // One frame fewer: unequal, though every frame both have is the same.
    const auto shorter = comparePaths(at("a.gif"), writeGif("c.gif", {a[0], a[1]}));
    EXPECT_FALSE(shorter.equal());
    EXPECT_EQ(shorter.differingPixels, 0);
    EXPECT_EQ(shorter.framesB, 2);
    EXPECT_TRUE(comparePaths(at("a.gif"), writeGif("d.gif", a)).equal());
}

TEST_F(PictureComparisonTest, TheMarkedPictureShowsBothWithTheDifferencesInMagenta) {
    PixelImage a = smallPicture(), b = smallPicture();
    setPixel(a, 3, 4, palette::Green);
    setPixel(b, 30, 20, palette::Blue);
    setPixel(b, 40, 25, palette::Blue);
    const auto c = comparePaths(writePicture("a.png", a), writePicture("b.png", b));
    ASSERT_EQ(c.differingPixels, 3);
    std::string error;
    ASSERT_TRUE(gfx::writeMarkedPicture(c.shownA, c.shownB, at("marked.png"), error)) << error;
    gfx::Picture marked;
    ASSERT_TRUE(gfx::readPng(at("marked.png"), marked, error)) << error;
    const int right = 60 + gfx::MarkedGap;
    EXPECT_EQ(marked.width, 2 * 60 + gfx::MarkedGap);
    EXPECT_EQ(marked.height, 40);
    constexpr std::uint32_t Magenta = 0xFFFF00FF, White = 0xFFFFFFFF, Gray = 0xFF808080;
    for (const auto& [x, y] : {std::pair{3, 4}, {30, 20}, {40, 25}}) {
        EXPECT_EQ(marked.at(x, y), Magenta);
        EXPECT_EQ(marked.at(right + x, y), Magenta);
    }
    EXPECT_EQ(marked.at(60, 0), Gray);
    // The frame around the box from (3, 4) to (40, 25), three pixels out and clipped.
    EXPECT_EQ(marked.at(0, 10), Magenta);
    EXPECT_EQ(marked.at(43, 10), Magenta);
    EXPECT_EQ(marked.at(20, 28), Magenta);
    EXPECT_EQ(marked.at(20, 1), Magenta);
    EXPECT_EQ(marked.at(right + 43, 10), Magenta);
    EXPECT_EQ(marked.at(20, 10), White);  // inside, the picture as it was
    EXPECT_EQ(marked.at(44, 10), White);
}

}  // namespace
