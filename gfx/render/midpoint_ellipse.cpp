#include "gfx/render/midpoint_ellipse.h"

#include <algorithm>

namespace gfx {

std::vector<EllipseRun> midpointEllipse(long long width, long long height) {
    // With half sizes a = w / 2 and b = h / 2 and the step's position (x, y), all in
    // sixteenths so that the arithmetic is whole: w^2 = 4a^2, h^2 = 4b^2.
    const long long w = width, h = height, w2 = w * w, h2 = h * h;
    const long long a = w / 2, b = h / 2, splitY = h & 1;
    std::vector<EllipseRun> rows(static_cast<std::size_t>(b + 1), EllipseRun{-1, -1});
    // The stepping's y runs from (h + 1) / 2 down to h & 1; row y - (h & 1) of the result.
    auto take = [&](long long from, long long to, long long y) {
        // Flat boxes can step past the middle row; what they draw there belongs to it.
        EllipseRun& r = rows[static_cast<std::size_t>(std::max(y, splitY) - splitY)];
        from = std::min(from, a), to = std::min(to, a);  // nothing beyond the box's side
        if (r.inner < 0) {
            r = {static_cast<std::int32_t>(from), static_cast<std::int32_t>(to)};
        } else {
            r.inner = std::min(r.inner, static_cast<std::int32_t>(from));
            r.outer = std::max(r.outer, static_cast<std::int32_t>(to));
        }
    };

    long long x = 0, y = (h + 1) / 2, startX = 0;
    // Flat part: 16 d = 16 (b^2 - a^2 b + a^2 / 4).
    long long d = 4 * h2 - 2 * w2 * h + w2;
    while (w2 * (2 * y - 1) > 2 * h2 * (x + 1)) {
        if (d < 0) {  // on along the row
            d += 4 * h2 * (2 * x + 3);
            ++x;
        } else {  // down a row
            d += 4 * h2 * (2 * x + 3) + 4 * w2 * (2 - 2 * y);
            take(startX, x, y);
            startX = ++x;
            --y;
        }
    }
    take(startX, x, y);
    // Steep part: 16 d = 16 (b^2 (x + 1/2)^2 + a^2 ((y - 1)^2 - b^2)).
    d = h2 * (2 * x + 1) * (2 * x + 1) + 4 * w2 * (y - 1) * (y - 1) - w2 * h2;
    while (y > splitY) {
        if (d < 0) {  // down and out
            d += 4 * h2 * (2 * x + 2) + 4 * w2 * (3 - 2 * y);
            ++x;
        } else {  // straight down
            d += 4 * w2 * (3 - 2 * y);
        }
        --y;
        take(x, x, y);
    }
    // The middle row touches the box's sides, however flat the box.
    rows[0].outer = static_cast<std::int32_t>(a);
    if (rows[0].inner < 0) rows[0].inner = static_cast<std::int32_t>(a);
    return rows;
}

}  // namespace gfx
