// The library's 24 named colours: the names are the words of the drawing log.
#pragma once

#include <cstdint>

#include "gfx/palette.h"

namespace gfx {

struct Colour {
    const char* name;
    std::uint8_t red, green, blue;
};

using palette::ColourCount;

const Colour& colourAt(int index);  // index must be 0..23
inline bool isValidColour(int index) {
    return index >= 0 && index < ColourCount;
}

}  // namespace gfx
