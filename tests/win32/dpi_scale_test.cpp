#include "gfx/backends/win32/dpi_scale.h"

#include <gtest/gtest.h>

namespace gfx {
namespace {

TEST(PictureScale, IsTheLargestWholeFactorNotAboveTheDpiOver96) {
    EXPECT_EQ(pictureScale(96), 1);
    EXPECT_EQ(pictureScale(120), 1);
    EXPECT_EQ(pictureScale(144), 1);  // 150 %: one to one, never blurred
    EXPECT_EQ(pictureScale(191), 1);
    EXPECT_EQ(pictureScale(192), 2);
    EXPECT_EQ(pictureScale(287), 2);
    EXPECT_EQ(pictureScale(288), 3);
    // A DPI below the base, or none reported, still shows the picture.
    EXPECT_EQ(pictureScale(72), 1);
    EXPECT_EQ(pictureScale(0), 1);
}

TEST(PictureScale, TheClientAreaIsThePictureAtThatScale) {
    EXPECT_EQ(scaledClientWidth(1), 601);
    EXPECT_EQ(scaledClientHeight(1), 501);
    EXPECT_EQ(scaledClientWidth(2), 1202);
    EXPECT_EQ(scaledClientHeight(2), 1002);
}

TEST(PictureScale, EveryDevicePixelOfAPicturePixelClicksIt) {
    for (int scale = 1; scale <= 3; ++scale) {
        SCOPED_TRACE(scale);
        // The square of device pixels that shows picture pixel 300 (the world's x = 0).
        for (int d = 300 * scale; d < 301 * scale; ++d) EXPECT_EQ(picturePixel(d, scale), 300);
        // The last device pixels are the last picture pixels: the edges at +300, -250.
        EXPECT_EQ(picturePixel(scaledClientWidth(scale) - 1, scale), ClientWidth - 1);
        EXPECT_EQ(picturePixel(scaledClientHeight(scale) - 1, scale), ClientHeight - 1);
    }
}

}  // namespace
}  // namespace gfx
