// Paints runs of one pixel value into the image, clipped to it. Positions are 64-bit,
// so a shape far off the image costs a comparison and nothing can overflow.
#pragma once

#include <algorithm>
#include <cstdint>

#include "gfx/render/pixel_image.h"

namespace gfx {

class SpanPainter {
public:
    SpanPainter(PixelImage& image, std::uint32_t value)
        : pixels_(image.data()), width_(image.width()), height_(image.height()), value_(value) {}

    long long width() const { return width_; }
    long long height() const { return height_; }

    // Pixels x0..x1 of row y, both included.
    void run(long long y, long long x0, long long x1) const {
        if (y < 0 || y >= height_) return;
        x0 = std::max(x0, 0LL);
        x1 = std::min(x1, width_ - 1);
        if (x0 > x1) return;
        fillPixels(pixels_ + y * width_ + x0, static_cast<std::size_t>(x1 - x0 + 1), value_);
    }
    // Every pixel of the box, edges included.
    void box(long long left, long long top, long long right, long long bottom) const {
        top = std::max(top, 0LL);
        bottom = std::min(bottom, height_ - 1);
        for (long long y = top; y <= bottom; ++y) run(y, left, right);
    }
    void pixel(long long x, long long y) const {
        if (x >= 0 && x < width_ && y >= 0 && y < height_) pixels_[y * width_ + x] = value_;
    }

private:
    std::uint32_t* pixels_;
    long long width_;
    long long height_;
    std::uint32_t value_;
};

}  // namespace gfx
