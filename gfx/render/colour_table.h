// The library's 24 named colours: the names are the words of the drawing log.
// Header-only: the renderer paints with it and the library logs its names.
#pragma once

#include <cstdint>

#include "gfx/palette.h"

namespace gfx {

struct Colour {
    const char* name;
    std::uint8_t red, green, blue;
};

using palette::ColourCount;

namespace colour_table_detail {
using namespace palette;

struct Entry {
    ColorIndex index;
    Colour colour;
};
// Listed with their names so that the table and the palette's constants cannot drift apart.
inline constexpr Entry entries[ColourCount] = {
    {Black, {"black", 0x00, 0x00, 0x00}},
    {White, {"white", 0xFF, 0xFF, 0xFF}},
    {Red, {"red", 0xFF, 0x00, 0x00}},
    {Green, {"green", 0x00, 0xFF, 0x00}},
    {Blue, {"blue", 0x00, 0x00, 0xFF}},
    {Yellow, {"yellow", 0xFF, 0xFF, 0x00}},
    {Magenta, {"magenta", 0xFF, 0x00, 0xFF}},
    {Cyan, {"cyan", 0x00, 0xFF, 0xFF}},
    {Purple, {"purple", 0x99, 0x00, 0xCC}},
    {NavyBlue, {"navy blue", 0x00, 0x33, 0x99}},
    {DustyPlum, {"dusty plum", 0x99, 0x66, 0x99}},
    {IceBlue, {"ice blue", 0x99, 0xFF, 0xFF}},
    {Turquoise, {"turquoise", 0x99, 0xFF, 0xCC}},
    {Orange, {"orange", 0xFF, 0x66, 0x00}},
    {Brown, {"brown", 0x99, 0x66, 0x33}},
    {Pink, {"pink", 0xFF, 0x99, 0xCC}},
    {Chalk, {"chalk", 0xFF, 0xFF, 0x99}},
    {Gold, {"gold", 0xCC, 0x99, 0x33}},
    {Peach, {"peach", 0xFF, 0x99, 0x66}},
    {ForestGreen, {"forest green", 0x00, 0x66, 0x33}},
    {SeaGreen, {"sea green", 0x33, 0xCC, 0x99}},
    {Olive, {"olive", 0x99, 0x99, 0x33}},
    {Gray50, {"50% gray", 0x80, 0x80, 0x80}},
    {Gray20, {"20% gray", 0xCC, 0xCC, 0xCC}},
};
constexpr bool inPaletteOrder() {
    for (int i = 0; i < ColourCount; ++i)
        if (entries[i].index != i) return false;
    return true;
}
static_assert(inPaletteOrder(), "the colour table lists the palette in order");

}  // namespace colour_table_detail

// The colour index is drawn in: an index outside the palette is drawn red.
inline int drawnColour(int index) {
    return index >= 0 && index < ColourCount ? index : palette::Red;
}
// index must be 0..23
inline const Colour& colourAt(int index) {
    return colour_table_detail::entries[index].colour;
}

}  // namespace gfx
