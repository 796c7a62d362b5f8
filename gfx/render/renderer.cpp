#include "gfx/render/renderer.h"

#include <algorithm>

#include "gfx/files/program_folder.h"
#include "gfx/render/box_painter.h"
#include "gfx/render/span_painter.h"
#include "gfx/render/thin_line.h"
#include "gfx/render/triangle_fill.h"
#include "gfx/render/wide_pen.h"

namespace gfx {

namespace {

constexpr int White = 1, Black = 0;

// The record's box in pixels, in whatever order its corners came.
PixelBox pixelBox(const WorldBox& b, long long cx, long long cy) {
    const Extent e = extentOf(cx + b.left, cy - b.top, cx + b.right, cy - b.bottom);
    return {e.minX, e.minY, e.maxX, e.maxY};
}

double asDouble(long long v) {
    return static_cast<double>(v);
}

}  // namespace

Renderer::Renderer(PixelImage& image) : Renderer(image, besideProgram(GFX_FONT_FILE)) {}

Renderer::Renderer(PixelImage& image, const std::string& fontFile)
    : image_(image), text_(FontFace::shared(fontFile)) {
    for (int i = 0; i < ColourCount; ++i) palette_[static_cast<std::size_t>(i)] = image.value(i);
}

void Renderer::clear() {
    image_.fill(palette_[White]);
    drawThinFrame(SpanPainter(image_, palette_[Black]),
                  {0, 0, image_.width() - 1, image_.height() - 1});
}

void Renderer::render(const ShapeRecord& r, int cx, int cy) {
    const SpanPainter painter(image_, palette_[static_cast<std::size_t>(drawnColour(r.colour))]);
    // Widths 0 and 1 both give the one-pixel pen; 0 also fills.
    const long long width = std::clamp(r.width, 0, MaxPenWidth);
    const bool filled = r.width == 0;
    // World to pixel, in 64 bits: the records' coordinates span the whole int range.
    const long long ox = cx, oy = cy;
    switch (r.kind) {
        case ShapeKind::Rectangle: {
            const PixelBox box = pixelBox(r.box, ox, oy);
            if (filled)
                fillBox(painter, box);
            else if (width <= 1)
                drawThinFrame(painter, box);
            else
                drawWideFrame(painter, box, width);
            break;
        }
        case ShapeKind::Oval: {
            const PixelBox box = pixelBox(r.box, ox, oy);
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
        case ShapeKind::Line: {
            const long long x1 = ox + r.from.x, y1 = oy - r.from.y;
            const long long x2 = ox + r.to.x, y2 = oy - r.to.y;
            if (width <= 1)
                drawThinLine(painter, x1, y1, x2, y2);
            else if (x1 != x2 || y1 != y2)  // a wide pen has nothing to draw along no length
                WidePen(painter, asDouble(width))
                    .segment(asDouble(x1), asDouble(y1), asDouble(x2), asDouble(y2));
            break;
        }
        case ShapeKind::Triangle: {
            const auto& [a, b, c] = r.corners;
            const long long x1 = ox + a.x, y1 = oy - a.y, x2 = ox + b.x, y2 = oy - b.y;
            const long long x3 = ox + c.x, y3 = oy - c.y;
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
            text_.draw(painter, ox + r.at.x, oy - r.at.y, std::clamp(r.pointSize, 0, MaxPointSize),
                       r.text);
            break;
    }
}

}  // namespace gfx
