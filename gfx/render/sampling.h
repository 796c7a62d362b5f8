// Where continuous geometry meets pixels. Pixel (i, j) is the unit square from (i, j)
// to (i + 1, j + 1); it is covered when its sample point, a hair above and left of its
// centre, lies in the shape. So an edge through a row of centres leaves those pixels
// out when it is a top or left edge and takes them in when it is a bottom or right one,
// and shapes that meet along an edge share no pixel.
#pragma once

#include <cmath>

namespace gfx::sampling {

constexpr double Bias = 1.0 / 1024;

// Far beyond the image either way, yet safe to convert and to do arithmetic with.
constexpr double Far = 1 << 30;

inline long long toIndex(double v) {
    if (!(v > -Far)) return static_cast<long long>(-Far);  // NaN too
    if (v > Far) return static_cast<long long>(Far);
    return static_cast<long long>(v);
}

// The sample point of pixel index i.
inline double sampleOf(long long i) {
    return static_cast<double>(i) + 0.5 - Bias;
}
// The first pixel whose sample is at or after lo, and the last at or before hi.
inline long long firstFrom(double lo) {
    return toIndex(std::ceil(lo - 0.5 + Bias));
}
inline long long lastUpTo(double hi) {
    return toIndex(std::floor(hi - 0.5 + Bias));
}

}  // namespace gfx::sampling
