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
    // For the image painter paints into.
    explicit RowSpans(const SpanPainter& painter)
        : width_(painter.width()), rows_(static_cast<std::size_t>(painter.height())) {}

    // Pixels from..to of an image row, both included; other rows are ignored.
    void add(long long row, long long from, long long to);
    void paint(const SpanPainter& painter) const;

private:
    long long width_;
    std::vector<std::vector<std::pair<long long, long long>>> rows_;  // disjoint, unordered
};

}  // namespace gfx
