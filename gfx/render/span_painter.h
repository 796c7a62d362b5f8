// Paints runs of one pixel value into the image, clipped to it. Positions are 64-bit,
// so a shape far off the image costs a comparison and nothing can overflow.
#pragma once

#include <algorithm>
#include <cstdint>

#include "gfx/render/pixel_image.h"

namespace gfx {

class SpanPainter {
public:
    static constexpr long long Width = PixelImage::Width;
    static constexpr long long Height = PixelImage::Height;

    SpanPainter(PixelImage& image, std::uint32_t value) : pixels_(image.data()), value_(value) {}

    // Pixels x0..x1 of row y, both included.
    void run(long long y, long long x0, long long x1) const {
        if (y < 0 || y >= Height) return;
        x0 = std::max(x0, 0LL);
        x1 = std::min(x1, Width - 1);
        if (x0 > x1) return;
        fillPixels(pixels_ + y * Width + x0, static_cast<std::size_t>(x1 - x0 + 1), value_);
    }
    // Every pixel of the box, edges included.
    void box(long long left, long long top, long long right, long long bottom) const {
        top = std::max(top, 0LL);
        bottom = std::min(bottom, Height - 1);
        for (long long y = top; y <= bottom; ++y) run(y, left, right);
    }
    void pixel(long long x, long long y) const {
        if (x >= 0 && x < Width && y >= 0 && y < Height) pixels_[y * Width + x] = value_;
    }

private:
    std::uint32_t* pixels_;
    std::uint32_t value_;
};

}  // namespace gfx
