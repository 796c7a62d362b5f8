#include "gfx/tools/compare/line_diff.h"

#include <algorithm>

namespace gfx {

LineDiff diffLines(const std::vector<std::string>& a, const std::vector<std::string>& b,
                   std::size_t maxEdits) {
    // The common beginning and end cost nothing to align.
    std::size_t begin = 0;
    while (begin < a.size() && begin < b.size() && a[begin] == b[begin]) ++begin;
    std::size_t endA = a.size(), endB = b.size();
    while (endA > begin && endB > begin && a[endA - 1] == b[endB - 1]) {
        --endA;
        --endB;
    }
    const long n = static_cast<long>(endA - begin), m = static_cast<long>(endB - begin);
    LineDiff diff{static_cast<std::size_t>(n), static_cast<std::size_t>(m), false};
    if (n == 0 || m == 0) return diff;

    // furthest[k + offset]: the furthest x reached on diagonal k = x - y.
    const long limit = static_cast<long>(std::min<std::size_t>(maxEdits, n + m));
    const long offset = limit + 1;
    std::vector<long> furthest(static_cast<std::size_t>(2 * offset + 1), 0);
    for (long d = 0; d <= limit; ++d) {
        for (long k = -d; k <= d; k += 2) {
            long x = (k == -d || (k != d && furthest[k - 1 + offset] < furthest[k + 1 + offset]))
                         ? furthest[k + 1 + offset]
                         : furthest[k - 1 + offset] + 1;
            long y = x - k;
            while (x < n && y < m && a[begin + x] == b[begin + y]) {
                ++x;
                ++y;
            }
            furthest[k + offset] = x;
            if (x >= n && y >= m) {
                // d edits: the common lines are (n + m - d) / 2.
                const long common = (n + m - d) / 2;
                return {static_cast<std::size_t>(n - common), static_cast<std::size_t>(m - common),
                        false};
            }
        }
    }
    diff.rough = true;
    return diff;
}

}  // namespace gfx
