// The one-pixel pen's line: both ends included, one pixel per column (per row when
// the line is steep), picked as the window system's own one-pixel pen picks them, and
// the same pixels whichever end the line is drawn from.
#pragma once

#include "gfx/render/span_painter.h"

namespace gfx {

// End points in pixels, anywhere in 64 bits' reach of the image; only the columns
// (or rows) over the image are visited.
void drawThinLine(const SpanPainter& painter, long long x1, long long y1, long long x2,
                  long long y2);

}  // namespace gfx
