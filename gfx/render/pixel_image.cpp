#include "gfx/render/pixel_image.h"

#include <algorithm>
#include <cstring>

#include "gfx/render/colour_table.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GFX_ASAN 1
#include <sanitizer/asan_interface.h>
#endif
#endif

namespace gfx {

PixelImage::PixelImage(PixelFormat format, int width, int height)
    : format_(format),
      width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
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
    const Colour& c = colourAt(drawnColour(paletteIndex));
    return valueOf(static_cast<std::uint32_t>(c.red) << 16 |
                   static_cast<std::uint32_t>(c.green) << 8 | c.blue);
}

std::uint32_t PixelImage::rgbAt(int x, int y) const {
    const std::uint32_t v = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                    static_cast<std::size_t>(x)];
    if (format_ == PixelFormat::Xrgb32) return v & 0xFFFFFFu;
    std::uint8_t bytes[4];
    std::memcpy(bytes, &v, sizeof v);
    return static_cast<std::uint32_t>(bytes[0]) << 16 | static_cast<std::uint32_t>(bytes[1]) << 8 |
           bytes[2];
}

// The hottest loop of the renderer. Under a fuzzer, its coverage tells nothing (it has
// no branch but its own end), and checking each pixel's address made the renderer's
// fuzzing several times slower: the address sanitizer checks the whole run at once instead.
#if defined(__clang__)
__attribute__((no_sanitize("coverage", "address"), noinline))
#endif
void fillPixels(std::uint32_t* first, std::size_t count, std::uint32_t value) {
#if GFX_ASAN
    const std::size_t bytes = count * sizeof *first;
    if (void* bad = __asan_region_is_poisoned(first, bytes))
        __asan_report_error(__builtin_return_address(0), __builtin_frame_address(0),
                            __builtin_frame_address(0), bad, 1, bytes);
#endif
    // A loop of its own: std::fill would be a function of its own, counted again.
    for (std::uint32_t* p = first; p != first + count; ++p) *p = value;
}

void PixelImage::fill(std::uint32_t value) {
    fillPixels(pixels_.data(), pixels_.size(), value);
}

}  // namespace gfx
