// Pens wider than one pixel, round-ended with round joins and centred on the path:
// they cover every pixel whose sample point lies within half the pen's width of the
// path. A path is painted piece by piece, each piece a segment with round ends; the
// pieces overlap at the joins, which one solid colour does not mind.
#pragma once

#include "gfx/render/span_painter.h"

namespace gfx {

class WidePen {
public:
    // Positions in continuous pixel coordinates: pixel (i, j) spans (i, j) to (i + 1, j + 1).
    WidePen(const SpanPainter& painter, double width) : painter_(painter), radius_(width / 2) {}

    void segment(double x0, double y0, double x1, double y1) const;
    // The ellipse centred on (cx, cy) with half axes a and b, as a closed path.
    void ellipse(double cx, double cy, double a, double b) const;

private:
    void arc(double cx, double cy, double a, double b, double t0, double t1, int depth) const;

    const SpanPainter& painter_;
    double radius_;
};

}  // namespace gfx
