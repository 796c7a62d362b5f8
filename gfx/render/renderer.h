// Draws shape records into the off-screen image, pixel-exact: no antialiasing, every
// pixel a palette colour. A world point (x, y) is the pixel (centreX + x, centreY - y).
// Standard C++ and stb only, so every edition draws the same pixels.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gfx/render/colour_table.h"
#include "gfx/render/ellipse_painter.h"
#include "gfx/render/pixel_image.h"
#include "gfx/render/shape_record.h"
#include "gfx/render/text_painter.h"

namespace gfx {

class Renderer {
public:
    // A pen wider than this covers the whole image from anywhere near it.
    static constexpr int MaxPenWidth = 4096;

    // Text in the face of the build's font file.
    explicit Renderer(PixelImage& image);
    // Text in the face of another file; one that cannot be read draws no text.
    Renderer(PixelImage& image, const std::string& fontFile);

    // (cx, cy): the world origin in pixels.
    void render(const ShapeRecord& r, int cx, int cy);
    // White with the one-pixel black frame the default pen draws around the image.
    void clear();

    TextPainter& text() { return text_; }

private:
    PixelImage& image_;
    std::array<std::uint32_t, ColourCount> palette_;
    EllipsePainter ellipses_;
    TextPainter text_;
};

}  // namespace gfx
