// Pens wider than one pixel, round-ended with round joins and centred on the path:
// they cover every pixel whose sample point lies within half the pen's width of the
// path. A path is the union of its pieces, each a segment with round ends; a closed
// path's pieces are gathered row by row before any is painted, so a vast pen costs
// each pixel once, not once per piece.
#pragma once

#include "gfx/render/row_spans.h"
#include "gfx/render/span_painter.h"

namespace gfx {

class WidePen {
public:
    // Positions in continuous pixel coordinates: pixel (i, j) spans (i, j) to (i + 1, j + 1).
    WidePen(const SpanPainter& painter, double width) : painter_(painter), radius_(width / 2) {}

    void segment(double x0, double y0, double x1, double y1) const;
    // The closed path through the three corners.
    void triangle(const double (&x)[3], const double (&y)[3]) const;
    // The ellipse centred on (cx, cy) with half axes a and b, as a closed path.
    void ellipse(double cx, double cy, double a, double b) const;

private:
    template <typename Take>
    void forEachRow(double x0, double y0, double x1, double y1, Take take) const;
    void arc(RowSpans& spans, double cx, double cy, double a, double b, double t0, double t1,
             int depth) const;

    const SpanPainter& painter_;
    double radius_;
};

}  // namespace gfx
