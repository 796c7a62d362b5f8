#include "gfx/render/row_spans.h"

#include <algorithm>

namespace gfx {

void RowSpans::add(long long row, long long from, long long to) {
    if (row < 0 || row >= static_cast<long long>(rows_.size())) return;
    from = std::max(from, 0LL);
    to = std::min(to, width_ - 1);
    if (from > to) return;
    auto& spans = rows_[static_cast<std::size_t>(row)];
    // Swallow every span this one overlaps or touches.
    for (std::size_t i = 0; i < spans.size();) {
        const auto [a, b] = spans[i];
        if (a <= to + 1 && from <= b + 1) {
            from = std::min(from, a), to = std::max(to, b);
            spans[i] = spans.back();
            spans.pop_back();
        } else {
            ++i;
        }
    }
    spans.push_back({from, to});
}

void RowSpans::paint(const SpanPainter& painter) const {
    for (std::size_t row = 0; row < rows_.size(); ++row)
        for (const auto& [from, to] : rows_[row])
            painter.run(static_cast<long long>(row), from, to);
}

}  // namespace gfx
