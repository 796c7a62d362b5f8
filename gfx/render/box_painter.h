// Rectangles on a pixel box: filled, outlined with the one-pixel pen, or outlined with
// a wider pen with square (mitred) corners, centred on the lines through the box's
// left and top pixel corners and through its right and bottom pixels' left and top
// corners (so one more pixel shows outside on the left and top for even widths).
#pragma once

#include "gfx/render/span_painter.h"

namespace gfx {

struct PixelBox {
    long long left, top, right, bottom;  // pixel columns and rows, edges included
};

void fillBox(const SpanPainter& painter, const PixelBox& box);
void drawThinFrame(const SpanPainter& painter, const PixelBox& box);
// width >= 2. A box one pixel wide (or high) is a bar that reaches twice the width
// beyond its ends, as the mitres of its turns back on itself do; a box of one pixel
// shows nothing.
void drawWideFrame(const SpanPainter& painter, const PixelBox& box, long long width);

}  // namespace gfx
