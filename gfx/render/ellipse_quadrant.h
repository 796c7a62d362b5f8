// The ellipse of a pixel box too large to step through, one quadrant: which pixels a
// one-pixel pen sets along it, row by row. The box is (width + 1) x (height + 1) pixels; its half
// sizes are a = width / 2 and b = height / 2 whole pixels, and when the box has an even number of
// pixels across (or down) the two halves stand one pixel apart.
//
// The pen steps along x where the curve is flat, picking for each column the row
// nearest the curve, and along y where it is steep, picking for each row the column
// nearest it; rows the flat part skips as it turns steep take the steep part's pixel,
// so the outline has no gap. Each row's pixels are computed directly, so a huge
// ellipse costs only the rows that are drawn.
#pragma once

namespace gfx {

class EllipseQuadrant {
public:
    // Both at least 0.
    EllipseQuadrant(long long width, long long height);

    long long a() const { return a_; }
    long long b() const { return b_; }
    int splitX() const { return splitX_; }
    int splitY() const { return splitY_; }

    // The outline's pixels on quadrant row y (0 on the centre line, b at the top):
    // columns inner..outer counted from the centre. False when the row has none.
    bool run(long long y, long long& inner, long long& outer) const;

private:
    long long steepColumn(long long y) const;     // the column picked on row y where steep
    long long lastFlatColumn(long long y) const;  // the last column whose row is >= y; -1 if none
    long long flatRow(long long x) const;         // the row picked on column x where flat
    // Where the curve is across at v along it (in half pixels), for the diameters
    // along and across.
    long long acrossCurve(long long v, long long along, long long across) const;

    long long a_, b_;
    int splitX_, splitY_;
    long long p_, q_;       // the box's width and height: the curve's diameters in half pixels
    bool exact_;            // small enough for exact 64-bit arithmetic
    long long flatEnd_;     // the last column stepped along x
    long long flatBottom_;  // the row of that column
    long long steepEnd_;    // the last row stepped along y
};

}  // namespace gfx
