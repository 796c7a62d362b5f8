// The midpoint ellipse of a pixel box of (width + 1) x (height + 1) pixels, stepped
// from the top of the box: along x while the curve is flat, then along y. Its
// decisions use the box's real half sizes (width / 2, height / 2), as the window
// system's own one-pixel pen does, so small ellipses come out as they always have;
// unlike that pen, every pixel stays in the box and the middle row reaches the box's
// sides. The steps cost the box's width plus height, so huge boxes go row by row
// (EllipseQuadrant).
#pragma once

#include <cstdint>
#include <vector>

namespace gfx {

struct EllipseRun {
    std::int32_t inner, outer;  // columns from the centre, as EllipseQuadrant counts them
};

// Row y of the result (0 on the centre line, height / 2 at the top) holds the outline's
// pixels on that quadrant row. Both sizes at least 0, at most MidpointEllipseLimit.
constexpr long long MidpointEllipseLimit = 1 << 14;
std::vector<EllipseRun> midpointEllipse(long long width, long long height);

}  // namespace gfx
