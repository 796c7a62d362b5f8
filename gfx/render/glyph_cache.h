// A face's glyphs and line metrics per em size, each worked out once, so that a label
// drawn again costs copying its runs and no rasterisation.
#pragma once

#include <array>
#include <memory>
#include <optional>

#include "gfx/render/font_face.h"
#include "gfx/render/shape_record.h"

namespace gfx {

class GlyphCache {
public:
    static constexpr int MaxEm = MaxPointSize;

    explicit GlyphCache(const FontFace& face) : face_(face) {}

    // emPixels in 1..MaxEm; byte is a Latin-1 character, that is the code point U+00xx.
    const Glyph& glyph(int emPixels, unsigned char byte);
    const FontFace::Metrics& metrics(int emPixels);

    // How many glyphs have been rasterised so far.
    int rasterised() const { return rasterised_; }

private:
    struct Size {
        FontFace::Metrics metrics;
        std::array<std::optional<Glyph>, 256> glyphs;
    };
    Size& size(int emPixels);

    const FontFace& face_;
    std::array<std::unique_ptr<Size>, MaxEm + 1> sizes_;
    int rasterised_ = 0;
};

}  // namespace gfx
