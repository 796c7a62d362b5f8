#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include "app/main_loop.h"
#include "tests/support/headless_session.h"

namespace {

QRgb worldPixel(const QImage& image, int x, int y) {
    return image.pixel(300 + x, 250 - y);
}

constexpr QRgb White = qRgb(0xFF, 0xFF, 0xFF);
constexpr QRgb Purple = qRgb(0x99, 0x00, 0xCC);
constexpr QRgb Cyan = qRgb(0x00, 0xFF, 0xFF);
constexpr QRgb IceBlue = qRgb(0x99, 0xFF, 0xFF);
constexpr QRgb Olive = qRgb(0x99, 0x99, 0x33);
constexpr QRgb Orange = qRgb(0xFF, 0x66, 0x00);
constexpr QRgb Gold = qRgb(0xCC, 0x99, 0x33);
constexpr QRgb Peach = qRgb(0xFF, 0x99, 0x66);
constexpr QRgb ForestGreen = qRgb(0x00, 0x66, 0x33);
constexpr QRgb Pink = qRgb(0xFF, 0x99, 0xCC);

}  // namespace

// One whole frame over a white area, with the flying helicopter over the purple building.
TEST(FramePixels, SceneryColoursLandWhereTheTablesPutThem) {
    HeadlessSession session;
    Display display;
    Town town;
    MainLoop loop(display, town, Helicopter{-50, -100, 7, 0});
    std::srand(3);
    display.clear(1);
    loop.repaint();
    const QImage& image = session.backend().image();

    struct Probe {
        int x, y;
        QRgb colour;
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
        EXPECT_EQ(QColor(worldPixel(image, p.x, p.y)).name(), QColor(p.colour).name())
            << p.what << " at (" << p.x << ", " << p.y << ")";
}
