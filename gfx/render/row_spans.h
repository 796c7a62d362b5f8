// Runs of pixels gathered row by row and merged as they come, so that a shape built of
// many overlapping pieces (a wide pen along a curve) paints each pixel once, however
// much its pieces overlap.
#pragma once

#include <utility>
#include <vector>

#include "gfx/render/span_painter.h"

namespace gfx {

class RowSpans {
public:
    RowSpans() : rows_(static_cast<std::size_t>(SpanPainter::Height)) {}

    // Pixels from..to of an image row, both included; other rows are ignored.
    void add(long long row, long long from, long long to);
    void paint(const SpanPainter& painter) const;

private:
    std::vector<std::vector<std::pair<long long, long long>>> rows_;  // disjoint, unordered
};

}  // namespace gfx
