#include "gfx/render/ellipse_painter.h"

#include <algorithm>

#include "gfx/render/ellipse_quadrant.h"

namespace gfx {

namespace {
// Boxes up to this size have their runs kept; a bound on how many are kept
// keeps a program that draws ever new sizes from growing the cache for good.
constexpr long long CachedSize = 1024;
constexpr std::size_t MaxCachedBoxes = 2048;
}  // namespace

const std::vector<EllipseRun>& EllipsePainter::steppedRuns(long long width, long long height) {
    if (width > CachedSize || height > CachedSize) {
        uncached_ = midpointEllipse(width, height);
        return uncached_;
    }
    const std::uint64_t key =
        static_cast<std::uint64_t>(width) << 32 | static_cast<std::uint64_t>(height);
    if (const auto it = runs_.find(key); it != runs_.end()) return it->second;
    if (runs_.size() >= MaxCachedBoxes) runs_.clear();
    return runs_.emplace(key, midpointEllipse(width, height)).first->second;
}

template <typename PaintRow>
void EllipsePainter::forEachRow(const SpanPainter& painter, long long left, long long top,
                                long long right, long long bottom, PaintRow paintRow) {
    const long long width = right - left, height = bottom - top;
    if (width == 0 && height == 0) return;
    if (right < 0 || left >= painter.width() || bottom < 0 || top >= painter.height()) return;
    const bool stepped = width <= MidpointEllipseLimit && height <= MidpointEllipseLimit;
    const std::vector<EllipseRun>* runs = stepped ? &steppedRuns(width, height) : nullptr;
    const EllipseQuadrant q(stepped ? 0 : width, stepped ? 0 : height);
    const long long a = width / 2, b = height / 2, splitX = width & 1, splitY = height & 1;
    const long long centreX = left + a, centreY = top + b;
    auto paint = [&](long long y, long long row) {
        long long inner, outer;
        if (runs) {
            const EllipseRun& r = (*runs)[static_cast<std::size_t>(y)];
            if (r.inner < 0) return;
            inner = r.inner, outer = r.outer;
        } else if (!q.run(y, inner, outer)) {
            return;
        }
        paintRow(row, centreX - outer, centreX - inner, centreX + inner + splitX,
                 centreX + outer + splitX);
    };
    // Upper half: row centreY - y; lower half: row centreY + y + splitY. Only rows on
    // the image are visited.
    const long long lastRow = painter.height() - 1;
    for (long long y = std::max(0LL, centreY - lastRow), to = std::min(b, centreY); y <= to; ++y)
        paint(y, centreY - y);
    for (long long y = std::max(splitY ? 0LL : 1LL, -centreY - splitY),
                   to = std::min(b, lastRow - centreY - splitY);
         y <= to; ++y)
        paint(y, centreY + y + splitY);
}

void EllipsePainter::fill(const SpanPainter& painter, long long left, long long top,
                          long long right, long long bottom) {
    forEachRow(painter, left, top, right, bottom,
               [&](long long row, long long outerLeft, long long, long long, long long outerRight) {
                   painter.run(row, outerLeft, outerRight);
               });
}

void EllipsePainter::outline(const SpanPainter& painter, long long left, long long top,
                             long long right, long long bottom) {
    forEachRow(painter, left, top, right, bottom,
               [&](long long row, long long outerLeft, long long innerLeft, long long innerRight,
                   long long outerRight) {
                   painter.run(row, outerLeft, innerLeft);
                   painter.run(row, innerRight, outerRight);
               });
}

}  // namespace gfx
