// The library's 24 named colours.
#pragma once

#include <cstdint>

namespace gfx {

struct Colour {
    const char* name;
    std::uint8_t red, green, blue;
};

constexpr int ColourCount = 24;
constexpr int Red = 2;

const Colour& colourAt(int index);  // index must be 0..23
inline bool isValidColour(int index) {
    return index >= 0 && index < ColourCount;
}

}  // namespace gfx
