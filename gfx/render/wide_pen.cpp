#include "gfx/render/wide_pen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "gfx/render/sampling.h"

namespace gfx {

namespace {

// The chords that stand in for an ellipse stray from it by at most this (pixels).
constexpr double ArcTolerance = 0.02;
constexpr int MaxArcDepth = 48;

struct Interval {
    double lo = 1, hi = 0;  // empty while lo > hi
    bool empty() const { return lo > hi; }
    void cover(double l, double h) {
        if (l > h) return;
        if (empty()) {
            lo = l, hi = h;
        } else {
            lo = std::min(lo, l), hi = std::max(hi, h);
        }
    }
};

// Where the line y = ys crosses the set of points within r of the segment p0-p1. The
// set is convex, so that is one interval: the hull of the crossings of the two end
// discs and of the band along the segment.
Interval crossing(double x0, double y0, double x1, double y1, double r, double ys) {
    Interval out;
    const auto endDisc = [&](double px, double py) {
        const double dy = ys - py;
        if (std::abs(dy) <= r) {
            const double h = std::sqrt(r * r - dy * dy);
            out.cover(px - h, px + h);
        }
    };
    endDisc(x0, y0);
    endDisc(x1, y1);
    const double dx = x1 - x0, dy = y1 - y0;
    const double length = std::hypot(dx, dy);
    if (length == 0) return out;
    const double ry = ys - y0;
    // Along the segment: 0 <= (x - x0) dx + ry dy <= length^2.
    double lo = -HUGE_VAL, hi = HUGE_VAL;
    if (dx != 0) {
        const double a = (0 - ry * dy) / dx, b = (length * length - ry * dy) / dx;
        lo = std::min(a, b), hi = std::max(a, b);
    } else if (ry * dy < 0 || ry * dy > length * length) {
        return out;
    }
    // Across it: |(x - x0) dy - ry dx| <= r length.
    if (dy != 0) {
        const double a = (ry * dx - r * length) / dy, b = (ry * dx + r * length) / dy;
        lo = std::max(lo, std::min(a, b)), hi = std::min(hi, std::max(a, b));
    } else if (std::abs(ry) > r) {
        return out;
    }
    out.cover(x0 + lo, x0 + hi);
    return out;
}

}  // namespace

template <typename Take>
void WidePen::forEachRow(double x0, double y0, double x1, double y1, Take take) const {
    const double r = radius_;
    const long long firstRow = std::max(0LL, sampling::firstFrom(std::min(y0, y1) - r));
    const long long lastRow =
        std::min(painter_.height() - 1, sampling::lastUpTo(std::max(y0, y1) + r));
    if (std::max(x0, x1) + r < 0 || std::min(x0, x1) - r > painter_.width()) return;
    for (long long row = firstRow; row <= lastRow; ++row) {
        const Interval span = crossing(x0, y0, x1, y1, r, sampling::sampleOf(row));
        if (span.empty()) continue;
        take(row, sampling::firstFrom(span.lo), sampling::lastUpTo(span.hi));
    }
}

void WidePen::segment(double x0, double y0, double x1, double y1) const {
    forEachRow(x0, y0, x1, y1,
               [&](long long row, long long from, long long to) { painter_.run(row, from, to); });
}

void WidePen::triangle(const double (&x)[3], const double (&y)[3]) const {
    RowSpans spans(painter_);
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3;
        forEachRow(x[i], y[i], x[j], y[j],
                   [&](long long row, long long from, long long to) { spans.add(row, from, to); });
    }
    spans.paint(painter_);
}

void WidePen::ellipse(double cx, double cy, double a, double b) const {
    if (a == 0 && b == 0) return;
    constexpr double Quarter = std::numbers::pi / 2;
    RowSpans spans(painter_);
    for (int k = 0; k < 4; ++k) arc(spans, cx, cy, a, b, k * Quarter, (k + 1) * Quarter, 0);
    spans.paint(painter_);
}

// Splits the arc from t0 to t1 until its chord is close enough to it, skipping any
// part that cannot reach the image: so a vast ellipse costs only what shows.
void WidePen::arc(RowSpans& spans, double cx, double cy, double a, double b, double t0, double t1,
                  int depth) const {
    const double x0 = cx + a * std::cos(t0), y0 = cy + b * std::sin(t0);
    const double x1 = cx + a * std::cos(t1), y1 = cy + b * std::sin(t1);
    // The arc strays from its chord by at most max(a, b) (t1 - t0)^2 / 8.
    const double dt = t1 - t0;
    const double stray = std::max(a, b) * dt * dt / 8;
    const double reach = stray + radius_ + 1;
    if (std::max(x0, x1) + reach < 0 || std::min(x0, x1) - reach > painter_.width() ||
        std::max(y0, y1) + reach < 0 || std::min(y0, y1) - reach > painter_.height())
        return;
    if (stray <= ArcTolerance || depth >= MaxArcDepth) {
        forEachRow(x0, y0, x1, y1,
                   [&](long long row, long long from, long long to) { spans.add(row, from, to); });
        return;
    }
    const double mid = (t0 + t1) / 2;
    arc(spans, cx, cy, a, b, t0, mid, depth + 1);
    arc(spans, cx, cy, a, b, mid, t1, depth + 1);
}

}  // namespace gfx
