#include "gfx/render/box_painter.h"

namespace gfx {

void fillBox(const SpanPainter& painter, const PixelBox& b) {
    painter.box(b.left, b.top, b.right, b.bottom);
}

void drawThinFrame(const SpanPainter& painter, const PixelBox& b) {
    painter.run(b.top, b.left, b.right);
    painter.run(b.bottom, b.left, b.right);
    painter.box(b.left, b.top, b.left, b.bottom);
    painter.box(b.right, b.top, b.right, b.bottom);
}

void drawWideFrame(const SpanPainter& painter, const PixelBox& b, long long width) {
    // The pen's outer edge lies width / 2 beyond the lines, its inner edge as far
    // inside; these are the pixels whose samples fall between them.
    const bool flatX = b.left == b.right, flatY = b.top == b.bottom;
    if (flatX && flatY) return;
    const long long before = width / 2, after = (width - 1) / 2;
    if (flatY) {
        painter.box(b.left - 2 * width, b.top - before, b.right + 2 * width - 1, b.bottom + after);
        return;
    }
    if (flatX) {
        painter.box(b.left - before, b.top - 2 * width, b.right + after, b.bottom + 2 * width - 1);
        return;
    }
    const long long outerLeft = b.left - before, outerRight = b.right + after;
    const long long outerTop = b.top - before, outerBottom = b.bottom + after;
    const long long holeLeft = b.left + (width + 1) / 2, holeRight = b.right - (width + 2) / 2;
    const long long holeTop = b.top + (width + 1) / 2, holeBottom = b.bottom - (width + 2) / 2;
    if (holeLeft > holeRight || holeTop > holeBottom) {
        painter.box(outerLeft, outerTop, outerRight, outerBottom);
        return;
    }
    painter.box(outerLeft, outerTop, outerRight, holeTop - 1);
    painter.box(outerLeft, holeBottom + 1, outerRight, outerBottom);
    painter.box(outerLeft, holeTop, holeLeft - 1, holeBottom);
    painter.box(holeRight + 1, holeTop, outerRight, holeBottom);
}

}  // namespace gfx
