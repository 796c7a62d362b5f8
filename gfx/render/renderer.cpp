#include "gfx/render/renderer.h"

#include <algorithm>

#include "gfx/render/box_painter.h"
#include "gfx/render/span_painter.h"
#include "gfx/render/thin_line.h"
#include "gfx/render/triangle_fill.h"
#include "gfx/render/wide_pen.h"

namespace gfx {

namespace {

constexpr int White = 1, Black = 0;

PixelBox orderedBox(long long x1, long long y1, long long x2, long long y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

double asDouble(long long v) {
    return static_cast<double>(v);
}

}  // namespace

Renderer::Renderer(PixelImage& image) : Renderer(image, TOWN_FONT_FILE) {}

Renderer::Renderer(PixelImage& image, const std::string& fontFile)
    : image_(image), text_(FontFace::shared(fontFile)) {
    for (int i = 0; i < ColourCount; ++i) palette_[static_cast<std::size_t>(i)] = image.value(i);
}

void Renderer::clear() {
    image_.fill(palette_[White]);
    drawThinFrame(SpanPainter(image_, palette_[Black]),
                  {0, 0, PixelImage::Width - 1, PixelImage::Height - 1});
}

void Renderer::render(const ShapeRecord& r, int cx, int cy) {
    const SpanPainter painter(
        image_,
        palette_[static_cast<std::size_t>(isValidColour(r.colour) ? r.colour : palette::Red)]);
    // Widths 0 and 1 both give the one-pixel pen; 0 also fills.
    const long long width = std::clamp(r.width, 0, MaxPenWidth);
    const bool filled = r.width == 0;
    // World to pixel, in 64 bits: the records' coordinates span the whole int range.
    const long long x1 = cx + r.p[0], y1 = cy - r.p[1], x2 = cx + r.p[2], y2 = cy - r.p[3];
    switch (r.kind) {
        case ShapeKind::Rectangle: {
            const PixelBox box = orderedBox(x1, y1, x2, y2);
            if (filled)
                fillBox(painter, box);
            else if (width <= 1)
                drawThinFrame(painter, box);
            else
                drawWideFrame(painter, box, width);
            break;
        }
        case ShapeKind::Oval: {
            const PixelBox box = orderedBox(x1, y1, x2, y2);
            if (filled) {
                ellipses_.fill(painter, box.left, box.top, box.right, box.bottom);
            } else if (width <= 1) {
                ellipses_.outline(painter, box.left, box.top, box.right, box.bottom);
            } else {
                // Centred on the ellipse through the box's corner points.
                const double left = asDouble(box.left), right = asDouble(box.right);
                const double top = asDouble(box.top), bottom = asDouble(box.bottom);
                WidePen(painter, asDouble(width))
                    .ellipse((left + right) / 2, (top + bottom) / 2, (right - left) / 2,
                             (bottom - top) / 2);
            }
            break;
        }
        case ShapeKind::Line:
            if (width <= 1)
                drawThinLine(painter, x1, y1, x2, y2);
            else if (x1 != x2 || y1 != y2)  // a wide pen has nothing to draw along no length
                WidePen(painter, asDouble(width))
                    .segment(asDouble(x1), asDouble(y1), asDouble(x2), asDouble(y2));
            break;
        case ShapeKind::Triangle: {
            const long long x3 = cx + r.p[4], y3 = cy - r.p[5];
            if (x1 == x2 && x2 == x3 && y1 == y2 && y2 == y3) break;  // no outline at all
            const double xs[3] = {asDouble(x1), asDouble(x2), asDouble(x3)};
            const double ys[3] = {asDouble(y1), asDouble(y2), asDouble(y3)};
            if (width <= 1) {
                if (filled) fillTriangle(painter, xs, ys);
                drawThinLine(painter, x1, y1, x2, y2);
                drawThinLine(painter, x2, y2, x3, y3);
                drawThinLine(painter, x3, y3, x1, y1);
            } else {
                WidePen(painter, asDouble(width)).triangle(xs, ys);
            }
            break;
        }
        case ShapeKind::Text:
            text_.draw(painter, x1, y1, static_cast<int>(std::clamp(r.p[2], 0LL, 127LL)), r.text);
            break;
    }
}

}  // namespace gfx
