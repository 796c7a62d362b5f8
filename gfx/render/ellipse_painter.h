// Ellipses inscribed in a pixel box, filled or outlined with the one-pixel pen.
// The runs of boxes of the sizes a program keeps drawing are worked out once.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "gfx/render/midpoint_ellipse.h"
#include "gfx/render/span_painter.h"

namespace gfx {

class EllipsePainter {
public:
    // The box's pixel columns left..right and rows top..bottom, edges included,
    // left <= right and top <= bottom. A box of one pixel holds no ellipse.
    void fill(const SpanPainter& painter, long long left, long long top, long long right,
              long long bottom);
    void outline(const SpanPainter& painter, long long left, long long top, long long right,
                 long long bottom);

private:
    template <typename PaintRow>
    void forEachRow(const SpanPainter& painter, long long left, long long top, long long right,
                    long long bottom, PaintRow paintRow);
    const std::vector<EllipseRun>& steppedRuns(long long width, long long height);

    std::unordered_map<std::uint64_t, std::vector<EllipseRun>> runs_;
    std::vector<EllipseRun> uncached_;
};

}  // namespace gfx
