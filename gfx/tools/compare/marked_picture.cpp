#include "gfx/tools/compare/marked_picture.h"

#include <algorithm>

#include "gfx/palette.h"
#include "gfx/render/png_writer.h"

namespace gfx {

namespace {

struct Box {
    int left, top, right, bottom;  // inclusive; empty when right < left
};

Box differenceBox(const Picture& a, const Picture& b) {
    Box box{a.width, a.height, -1, -1};
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.at(x, y) != b.at(x, y)) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

// A one-pixel frame around the box, clipped to the picture at offsetX.
void drawFrame(PixelImage& image, Box box, int offsetX, int width, std::uint32_t colour) {
    const int left = std::max(box.left - MarkFrameMargin, 0);
    const int right = std::min(box.right + MarkFrameMargin, width - 1);
    const int top = std::max(box.top - MarkFrameMargin, 0);
    const int bottom = std::min(box.bottom + MarkFrameMargin, image.height() - 1);
    std::uint32_t* pixels = image.data();
    const auto set = [&](int x, int y) {
        pixels[static_cast<std::size_t>(y) * image.width() + offsetX + x] = colour;
    };
    for (int x = left; x <= right; ++x) {
        set(x, top);
        set(x, bottom);
    }
    for (int y = top; y <= bottom; ++y) {
        set(left, y);
        set(right, y);
    }
}

}  // namespace

PixelImage markedPicture(const Picture& a, const Picture& b) {
    const int w = a.width, h = a.height;
    PixelImage image(PixelFormat::Xrgb32, 2 * w + MarkedGap, h);
    const std::uint32_t mark = image.value(palette::Magenta);
    image.fill(image.value(palette::Gray50));
    std::uint32_t* pixels = image.data();
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = pixels + static_cast<std::size_t>(y) * image.width();
        for (int x = 0; x < w; ++x) {
            const std::uint32_t pa = a.at(x, y), pb = b.at(x, y);
            const bool differs = pa != pb;
            // Xrgb32 holds 0xFFRRGGBB.
            row[x] = differs ? mark : 0xFF000000u | (pa & 0xFFFFFFu);
            row[w + MarkedGap + x] = differs ? mark : 0xFF000000u | (pb & 0xFFFFFFu);
        }
    }
    const Box box = differenceBox(a, b);
    if (box.right >= box.left) {
        drawFrame(image, box, 0, w, mark);
        drawFrame(image, box, w + MarkedGap, w, mark);
    }
    return image;
}

bool writeMarkedPicture(const Picture& a, const Picture& b, const std::string& path,
                        std::string& error) {
    return writePng(markedPicture(a, b), path, error);
}

}  // namespace gfx
