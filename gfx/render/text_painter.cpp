#include "gfx/render/text_painter.h"

#include <algorithm>

namespace gfx {

namespace {

int emFor(int pointSize) {
    if (pointSize <= 0) return TextPainter::DefaultEm;
    return std::min(pointSize, GlyphCache::MaxEm);
}

bool isControl(unsigned char c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

}  // namespace

TextPainter::TextPainter(const FontFace* face)
    : glyphs_(face ? std::make_unique<GlyphCache>(*face) : nullptr) {}

int TextPainter::lineHeight(int pointSize) {
    return glyphs_ ? glyphs_->metrics(emFor(pointSize)).height() : 0;
}

void TextPainter::draw(const SpanPainter& painter, long long left, long long anchorY, int pointSize,
                       std::string_view text) {
    if (!glyphs_ || left >= painter.width()) return;
    const int em = emFor(pointSize);
    const FontFace::Metrics& m = glyphs_->metrics(em);
    const long long h = m.height();
    long long top = anchorY - h;
    // Glyphs reach at most an em or so beyond their line.
    const long long reach = 2LL * em;
    while (top < painter.height() + reach) {
        const std::size_t end = text.find('\n');
        if (top + h + reach >= 0) drawLine(painter, left, top + m.ascent, em, text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
        top += h;
    }
}

void TextPainter::drawLine(const SpanPainter& painter, long long left, long long baseline, int em,
                           std::string_view line) {
    long long pen64 = 0;
    const long long rightmost = painter.width() + 2LL * em;
    for (const char ch : line) {
        const auto c = static_cast<unsigned char>(ch);
        if (isControl(c)) continue;
        const long long x = left + ((pen64 + 32) >> 6);
        if (x > rightmost) break;
        const Glyph& g = glyphs_->glyph(em, c);
        pen64 += g.advance64;
        if (x + g.right < 0 || g.runs.empty()) continue;
        for (const Glyph::Run& r : g.runs) painter.run(baseline + r.row, x + r.from, x + r.to);
    }
}

}  // namespace gfx
