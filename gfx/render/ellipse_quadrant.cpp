#include "gfx/render/ellipse_quadrant.h"

#include <algorithm>
#include <cmath>

namespace gfx {

namespace {

// Below this, width^2 height^2 fits in 64 bits.
constexpr long long ExactLimit = 1LL << 15;

// The largest n >= 0 with n * n <= v, for v < 2^62.
long long isqrt(long long v) {
    if (v <= 0) return 0;
    long long n = static_cast<long long>(std::sqrt(static_cast<double>(v)));
    while (n * n > v) --n;
    while ((n + 1) * (n + 1) <= v) ++n;
    return n;
}
// floor(sqrt(v)) for the huge boxes, where a pixel either way no longer matters.
long long dsqrt(double v) {
    return v <= 0 ? 0 : static_cast<long long>(std::sqrt(v));
}

long long floorHalf(long long n) {
    return n >= 0 ? n / 2 : -((1 - n) / 2);
}

// The largest x in [0, hi] for which keep(x) holds, keep(0) holding and keep failing
// for good once it fails.
template <typename Keep>
long long lastKept(long long hi, Keep keep) {
    long long lo = 0;
    while (lo < hi) {
        const long long mid = lo + (hi - lo + 1) / 2;
        if (keep(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

}  // namespace

// The arithmetic is in half pixels from the centre, where the box's width P and
// height Q are the curve's diameters: column x of the quadrant lies 2x + (P & 1)
// half pixels from the centre, row y 2y + (Q & 1), and the curve is
// Q^2 X^2 + P^2 Y^2 = P^2 Q^2.
EllipseQuadrant::EllipseQuadrant(long long width, long long height)
    : a_(width / 2),
      b_(height / 2),
      splitX_(static_cast<int>(width & 1)),
      splitY_(static_cast<int>(height & 1)),
      p_(width),
      q_(height),
      exact_(width < ExactLimit && height < ExactLimit) {
    // Flat while the slope is at most one: Q^2 X <= P^2 Y at the pixel picked.
    flatEnd_ = lastKept(a_, [&](long long x) {
        const long long X = 2 * x + splitX_, Y = 2 * flatRow(x) + splitY_;
        if (exact_) return q_ * q_ * X <= p_ * p_ * Y;
        const double p = static_cast<double>(p_), q = static_cast<double>(q_);
        return q * q * static_cast<double>(X) <= p * p * static_cast<double>(Y);
    });
    flatBottom_ = flatRow(flatEnd_);
    steepEnd_ = lastKept(b_, [&](long long y) {
        const long long X = 2 * steepColumn(y) + splitX_, Y = 2 * y + splitY_;
        if (exact_) return p_ * p_ * Y <= q_ * q_ * X;
        const double p = static_cast<double>(p_), q = static_cast<double>(q_);
        return p * p * static_cast<double>(Y) <= q * q * static_cast<double>(X);
    });
}

long long EllipseQuadrant::flatRow(long long x) const {
    // The largest y whose midpoint with the row below, Y - 1, is inside the curve:
    // (Y - 1)^2 <= Q^2 (P^2 - X^2) / P^2.
    if (p_ == 0) return b_;
    const long long m = acrossCurve(2 * x + splitX_, p_, q_);
    return std::clamp(floorHalf(m + 1 - splitY_), 0LL, b_);
}

long long EllipseQuadrant::steepColumn(long long y) const {
    // The largest x with (X - 1)^2 <= P^2 (Q^2 - Y^2) / Q^2.
    if (q_ == 0) return a_;
    const long long m = acrossCurve(2 * y + splitY_, q_, p_);
    return std::clamp(floorHalf(m + 1 - splitX_), 0LL, a_);
}

long long EllipseQuadrant::acrossCurve(long long v, long long along, long long across) const {
    // sqrt(across^2 (along^2 - v^2) / along^2): where the curve is at v, in integers while
    // the products fit.
    if (exact_) return isqrt(across * across * (along * along - v * v) / (along * along));
    const double a = static_cast<double>(along), c = static_cast<double>(across);
    const double t = static_cast<double>(v) / a;
    return dsqrt(c * c * (1 - t * t));
}

long long EllipseQuadrant::lastFlatColumn(long long y) const {
    // The largest x whose flat row is at least y: X^2 <= P^2 (Q^2 - (Y - 1)^2) / Q^2.
    if (y > b_) return -1;
    const long long Y = 2 * y + splitY_;
    if (Y <= 1) return a_;
    long long n;
    if (exact_) {
        const long long u = q_ * q_ - (Y - 1) * (Y - 1);
        if (u < 0) return -1;
        n = isqrt(p_ * p_ * u / (q_ * q_));
    } else {
        const double p = static_cast<double>(p_), q = static_cast<double>(q_);
        const double t = static_cast<double>(Y - 1) / q;
        if (t > 1) return -1;
        n = dsqrt(p * p * (1 - t * t));
    }
    return std::min(floorHalf(n - splitX_), a_);
}

bool EllipseQuadrant::run(long long y, long long& inner, long long& outer) const {
    if (y < 0 || y > b_) return false;
    bool any = false;
    if (y <= steepEnd_ || y < flatBottom_) {
        inner = outer = steepColumn(y);
        any = true;
    }
    // Flat columns whose row is exactly y.
    const long long from = lastFlatColumn(y + 1) + 1;
    const long long to = std::min(lastFlatColumn(y), flatEnd_);
    if (from <= to) {
        inner = any ? std::min(inner, from) : from;
        outer = any ? std::max(outer, to) : to;
        any = true;
    }
    return any;
}

}  // namespace gfx
