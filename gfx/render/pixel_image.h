// The 601 x 540 off-screen image every back end presents: 32-bit pixels in the
// layout the back end shows without converting them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gfx {

// How a pixel's 32 bits are laid out, so each back end can present the buffer without converting
// it.
enum class PixelFormat {
    Xrgb32,  // one uint32 0xFFRRGGBB per pixel (QImage::Format_RGB32)
    Rgba8,   // bytes R, G, B, A in memory (a canvas's ImageData)
};

// Sets count pixels from first on to value: the one loop every fill of the image runs.
void fillPixels(std::uint32_t* first, std::size_t count, std::uint32_t value);

class PixelImage {
public:
    // The library's image; the renderer draws into one of any size (the fuzzer's is smaller).
    static constexpr int Width = 601;
    static constexpr int Height = 540;

    // White at start.
    explicit PixelImage(PixelFormat format = PixelFormat::Xrgb32, int width = Width,
                        int height = Height);

    PixelFormat format() const { return format_; }
    int width() const { return width_; }
    int height() const { return height_; }
    const std::uint32_t* data() const { return pixels_.data(); }
    std::uint32_t* data() { return pixels_.data(); }

    // That palette colour in this format; an index outside the palette gives red.
    std::uint32_t value(int paletteIndex) const;
    std::uint32_t rgbAt(int x, int y) const;  // 0xRRGGBB whatever the format (tests, PNG)

    void fill(std::uint32_t value);

private:
    std::uint32_t valueOf(std::uint32_t rgb) const;  // 0xRRGGBB in this format

    PixelFormat format_;
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace gfx
