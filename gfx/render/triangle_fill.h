// The inside of a triangle: every pixel whose sample point lies in it.
#pragma once

#include "gfx/render/span_painter.h"

namespace gfx {

// Corners in continuous pixel coordinates, anywhere in 64 bits' reach of the image.
void fillTriangle(const SpanPainter& painter, const double (&x)[3], const double (&y)[3]);

}  // namespace gfx
