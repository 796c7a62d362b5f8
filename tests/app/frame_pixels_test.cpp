#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/main_loop.h"
#include "tests/support/headless_session.h"
#include "traffic/random_sequence.h"

namespace {

using Rgb = std::uint32_t;

Rgb worldPixel(const gfx::PixelImage& image, int x, int y) {
    return image.rgbAt(300 + x, 250 - y);
}

constexpr Rgb White = 0xFFFFFF;
constexpr Rgb Purple = 0x9900CC;
constexpr Rgb Cyan = 0x00FFFF;
constexpr Rgb IceBlue = 0x99FFFF;
constexpr Rgb Olive = 0x999933;
constexpr Rgb Orange = 0xFF6600;
constexpr Rgb Gold = 0xCC9933;
constexpr Rgb Peach = 0xFF9966;
constexpr Rgb ForestGreen = 0x006633;
constexpr Rgb Pink = 0xFF99CC;

std::string hex(Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb));
    return text;
}

}  // namespace

// One whole frame over a white area, with the flying helicopter over the purple building.
TEST(FramePixels, SceneryColoursLandWhereTheTablesPutThem) {
    HeadlessSession session;
    Display display;
    Town town;
    MainLoop loop(display, town, Helicopter{-50, -100, 7, 0});
    seedRandom(3);
    display.clear(1);
    loop.repaint();
    const gfx::PixelImage& image = session.backend().image();

    struct Probe {
        int x, y;
        Rgb colour;
        const char* what;
    };
    const Probe probes[] = {
        {-250, 200, ForestGreen, "lawn in the upper-left block"},
        {-155, -120, ForestGreen, "lawn inside the outlined park field"},
        {250, -25, ForestGreen, "lawn in the lower-right block"},
        {-190, -90, IceBlue, "pond centre"},
        {-170, -70, IceBlue, "pond, off centre"},
        {-230, -90, Olive, "park path"},
        {40, -110, Orange, "stadium wall"},
        {113, -110, Orange, "stadium wall, right"},
        {51, -150, White, "stadium stand, left of its sign"},
        {185, 47, White, "helipad ring and cross"},
        {195, 57, Gold, "helipad"},
        {60, 190, Peach, "peach building"},
        {-200, 180, Pink, "pink building"},
        {-50, -150, Purple, "purple building"},
        {-50, -94, Cyan, "flying helicopter over the purple building"},
        {0, -100, White, "road between the blocks"},
        {-100, 150, White, "road between the blocks"},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(hex(worldPixel(image, p.x, p.y)), hex(p.colour))
            << p.what << " at (" << p.x << ", " << p.y << ")";
}
