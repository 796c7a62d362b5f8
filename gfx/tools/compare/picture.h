// A picture of a run as the compare command holds it: a PNG, or one frame of a GIF.
#pragma once

#include <cstdint>
#include <vector>

namespace gfx {

struct Picture {
    // A run's pictures are 601 x 540 (PNG) or 601 x 501 (GIF); far larger ones are
    // refused before they are decoded, so that a stray file cannot take the memory.
    static constexpr int MaxSide = 8192;

    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, row by row

    std::uint32_t at(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

}  // namespace gfx
