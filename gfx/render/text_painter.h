// Text in one colour on a transparent background. Lines are split at '\n'; the first
// stands on the anchor (its top one line height above it) and each further line is
// one line height lower. Bytes are Latin-1 characters; control characters draw
// nothing and take no room.
#pragma once

#include <memory>
#include <string_view>

#include "gfx/render/glyph_cache.h"
#include "gfx/render/span_painter.h"

namespace gfx {

class TextPainter {
public:
    static constexpr int DefaultEm = 16;  // the face a point size of 0 asks for

    // Without a face, text is not drawn.
    explicit TextPainter(const FontFace* face);

    // The em size in pixels is the point size, clamped to 0..MaxPointSize.
    void draw(const SpanPainter& painter, long long left, long long anchorY, int pointSize,
              std::string_view text);

    // The line height of a point size, 0 without a face.
    int lineHeight(int pointSize);
    const GlyphCache* glyphs() const { return glyphs_.get(); }

private:
    void drawLine(const SpanPainter& painter, long long left, long long baseline, int em,
                  std::string_view line);

    std::unique_ptr<GlyphCache> glyphs_;
};

}  // namespace gfx
