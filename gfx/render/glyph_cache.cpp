#include "gfx/render/glyph_cache.h"

namespace gfx {

GlyphCache::Size& GlyphCache::size(int emPixels) {
    std::unique_ptr<Size>& s = sizes_[static_cast<std::size_t>(emPixels)];
    if (!s) {
        s = std::make_unique<Size>();
        s->metrics = face_.metrics(emPixels);
    }
    return *s;
}

const Glyph& GlyphCache::glyph(int emPixels, unsigned char byte) {
    std::optional<Glyph>& g = size(emPixels).glyphs[byte];
    if (!g) {
        g = face_.glyph(byte, emPixels);
        ++rasterised_;
    }
    return *g;
}

const FontFace::Metrics& GlyphCache::metrics(int emPixels) {
    return size(emPixels).metrics;
}

}  // namespace gfx
