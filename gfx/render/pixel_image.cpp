#include "gfx/render/pixel_image.h"

#include <algorithm>
#include <cstring>

#include "gfx/render/colour_table.h"

namespace gfx {

PixelImage::PixelImage(PixelFormat format)
    : format_(format), pixels_(static_cast<std::size_t>(Width) * Height) {
    fill(valueOf(0xFFFFFF));
}

std::uint32_t PixelImage::valueOf(std::uint32_t rgb) const {
    const std::uint8_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    if (format_ == PixelFormat::Xrgb32) return 0xFF000000u | (rgb & 0xFFFFFFu);
    // Byte order in memory, whatever the machine's word order.
    const std::uint8_t bytes[4] = {r, g, b, 0xFF};
    std::uint32_t v;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

std::uint32_t PixelImage::value(int paletteIndex) const {
    const Colour& c = colourAt(isValidColour(paletteIndex) ? paletteIndex : palette::Red);
    return valueOf(static_cast<std::uint32_t>(c.red) << 16 |
                   static_cast<std::uint32_t>(c.green) << 8 | c.blue);
}

std::uint32_t PixelImage::rgbAt(int x, int y) const {
    const std::uint32_t v = pixels_[static_cast<std::size_t>(y) * Width + x];
    if (format_ == PixelFormat::Xrgb32) return v & 0xFFFFFFu;
    std::uint8_t bytes[4];
    std::memcpy(bytes, &v, sizeof v);
    return static_cast<std::uint32_t>(bytes[0]) << 16 | static_cast<std::uint32_t>(bytes[1]) << 8 |
           bytes[2];
}

void PixelImage::fill(std::uint32_t value) {
    std::fill(pixels_.begin(), pixels_.end(), value);
}

}  // namespace gfx
