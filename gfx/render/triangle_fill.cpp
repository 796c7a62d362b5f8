#include "gfx/render/triangle_fill.h"

#include <algorithm>

#include "gfx/render/sampling.h"

namespace gfx {

void fillTriangle(const SpanPainter& painter, const double (&x)[3], const double (&y)[3]) {
    const double top = std::min({y[0], y[1], y[2]}), bottom = std::max({y[0], y[1], y[2]});
    if (std::max({x[0], x[1], x[2]}) < 0 || std::min({x[0], x[1], x[2]}) > painter.width()) return;
    const long long firstRow = std::max(0LL, sampling::firstFrom(top));
    const long long lastRow = std::min(painter.height() - 1, sampling::lastUpTo(bottom));
    for (long long row = firstRow; row <= lastRow; ++row) {
        const double ys = sampling::sampleOf(row);
        // A triangle is convex: the row crosses it once, between its edges' crossings.
        double lo = HUGE_VAL, hi = -HUGE_VAL;
        for (int i = 0; i < 3; ++i) {
            const int j = (i + 1) % 3;
            const double ya = y[i], yb = y[j];
            if ((ys < ya) == (ys < yb)) continue;  // the edge does not span this row
            const double xs = x[i] + (ys - ya) * (x[j] - x[i]) / (yb - ya);
            lo = std::min(lo, xs), hi = std::max(hi, xs);
        }
        if (lo > hi) continue;
        painter.run(row, sampling::firstFrom(lo), sampling::lastUpTo(hi));
    }
}

}  // namespace gfx
