// A renderer on a fresh image, read back in world coordinates: world (0, 0) is the
// pixel (300, 250), as in the graphics window.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "gfx/render/renderer.h"
#include "tests/render/shape_records.h"

class Canvas {
public:
    static constexpr int CentreX = 300, CentreY = 250;
    static constexpr std::uint32_t White = 0xFFFFFF;

    explicit Canvas(gfx::PixelFormat format = gfx::PixelFormat::Xrgb32)
        : image(format), renderer(image) {}
    explicit Canvas(const std::string& fontFile) : renderer(image, fontFile) {}

    void draw(const gfx::ShapeRecord& r) { renderer.render(r, CentreX, CentreY); }
    std::uint32_t at(long long x, long long y) const {
        return image.rgbAt(static_cast<int>(CentreX + x), static_cast<int>(CentreY - y));
    }
    bool ink(long long x, long long y) const { return at(x, y) != White; }

    // The world box of every pixel that is not white; empty (right < left) when none is.
    struct Box {
        long long left = 1, top = 0, right = 0, bottom = 1;
        bool empty() const { return right < left; }
        long long width() const { return right - left + 1; }
        long long height() const { return top - bottom + 1; }
    };
    Box inkBox() const {
        Box b;
        bool any = false;
        for (int py = 0; py < gfx::PixelImage::Height; ++py)
            for (int px = 0; px < gfx::PixelImage::Width; ++px) {
                if (image.rgbAt(px, py) == White) continue;
                const long long x = px - CentreX, y = CentreY - py;
                if (!any) b = {x, y, x, y};
                any = true;
                b.left = std::min(b.left, x), b.right = std::max(b.right, x);
                b.top = std::max(b.top, y), b.bottom = std::min(b.bottom, y);
            }
        return b;
    }
    long long count(std::uint32_t rgb) const {
        long long n = 0;
        for (int py = 0; py < gfx::PixelImage::Height; ++py)
            for (int px = 0; px < gfx::PixelImage::Width; ++px) n += image.rgbAt(px, py) == rgb;
        return n;
    }
    long long inkCount() const {
        return static_cast<long long>(gfx::PixelImage::Width) * gfx::PixelImage::Height -
               count(White);
    }
    bool sameAs(const Canvas& other) const {
        for (int py = 0; py < gfx::PixelImage::Height; ++py)
            for (int px = 0; px < gfx::PixelImage::Width; ++px)
                if (image.rgbAt(px, py) != other.image.rgbAt(px, py)) return false;
        return true;
    }

    gfx::PixelImage image;
    gfx::Renderer renderer;
};
