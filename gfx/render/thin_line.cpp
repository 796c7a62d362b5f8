#include "gfx/render/thin_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace gfx {

namespace {

// Below this every product the stepping forms fits in 64 bits.
constexpr long long ExactLimit = 1LL << 30;

long long ceilDiv(long long n, long long d) {  // n >= 0, d > 0
    return (n + d - 1) / d;
}

// A line stepped along its major axis u, the minor coordinate v following it.
// Calls plot(u, v) for every major position in [uFrom, uTo].
template <typename Plot>
void stepLine(long long u1, long long v1, long long du, long long dv, long long uFrom,
              long long uTo, Plot plot) {
    // With k = u - u1: running toward larger v, the pixel the line is in at the middle
    // of position k, the smaller on a boundary: v1 + ceil((2k + 1) dv / 2du) - 1;
    // running toward smaller v, the one it is in at the start of position k:
    // v1 - ceil(k |dv| / du).
    if (dv == 0) {
        for (long long u = uFrom; u <= uTo; ++u) plot(u, v1);
        return;
    }
    const long long k0 = uFrom - u1;
    if (du < ExactLimit && std::llabs(dv) < ExactLimit) {
        if (dv > 0) {
            // q = ceil(n / d) for n = (2k + 1) dv, kept with its remainder r = q d - n.
            const long long d = 2 * du;
            const long long n = (2 * k0 + 1) * dv;
            long long q = ceilDiv(n, d);
            long long r = q * d - n;
            for (long long u = uFrom; u <= uTo; ++u) {
                plot(u, v1 + q - 1);
                r -= 2 * dv;
                if (r < 0) ++q, r += d;
            }
        } else {
            // c = ceil(k |dv| / du), kept with its remainder r = c du - k |dv|.
            const long long n = k0 * -dv;
            long long c = ceilDiv(n, du);
            long long r = c * du - n;
            for (long long u = uFrom; u <= uTo; ++u) {
                plot(u, v1 - c);
                r -= -dv;
                if (r < 0) ++c, r += du;
            }
        }
        return;
    }
    // Far-flung ends: few positions are visited, each computed on its own.
    const double slope = static_cast<double>(dv) / static_cast<double>(du);
    for (long long u = uFrom; u <= uTo; ++u) {
        const double k = static_cast<double>(u - u1);
        const double v = dv > 0 ? std::ceil((k + 0.5) * slope) - 1 : -std::ceil(k * -slope);
        plot(u, v1 + static_cast<long long>(v));
    }
}

// The major positions whose minor coordinate can fall in [0, vLimit).
std::pair<long long, long long> visibleRange(long long u1, long long v1, long long du, long long dv,
                                             long long uLimit, long long vLimit) {
    long long from = std::max(u1, 0LL), to = std::min(u1 + du, uLimit - 1);
    if (dv != 0 && from <= to) {
        // u where v crosses -1 and vLimit, with a margin for rounding.
        const double perV = static_cast<double>(du) / static_cast<double>(dv);
        const double a = static_cast<double>(u1) + (-1.0 - static_cast<double>(v1)) * perV;
        const double b = static_cast<double>(u1) + (static_cast<double>(vLimit - v1)) * perV;
        const double lo = std::min(a, b) - 2, hi = std::max(a, b) + 2;
        if (hi < static_cast<double>(from) || lo > static_cast<double>(to)) return {1, 0};
        if (lo > static_cast<double>(from)) from = static_cast<long long>(lo);
        if (hi < static_cast<double>(to)) to = static_cast<long long>(hi);
    }
    return {from, to};
}

}  // namespace

void drawThinLine(const SpanPainter& painter, long long x1, long long y1, long long x2,
                  long long y2) {
    const long long W = painter.width(), H = painter.height();
    if (std::max(x1, x2) < 0 || std::min(x1, x2) >= W || std::max(y1, y2) < 0 ||
        std::min(y1, y2) >= H)
        return;
    if (std::llabs(x2 - x1) >= std::llabs(y2 - y1)) {
        if (x2 < x1) std::swap(x1, x2), std::swap(y1, y2);
        const long long dx = x2 - x1, dy = y2 - y1;
        if (dx == 0) return painter.pixel(x1, y1);
        const auto [from, to] = visibleRange(x1, y1, dx, dy, W, H);
        // Pixels of one row come as runs.
        long long runY = 0, runStart = 0, runEnd = -1;
        stepLine(x1, y1, dx, dy, from, to, [&](long long x, long long y) {
            if (runEnd >= runStart && y == runY && x == runEnd + 1) {
                runEnd = x;
                return;
            }
            if (runEnd >= runStart) painter.run(runY, runStart, runEnd);
            runY = y, runStart = x, runEnd = x;
        });
        if (runEnd >= runStart) painter.run(runY, runStart, runEnd);
    } else {
        if (y2 < y1) std::swap(x1, x2), std::swap(y1, y2);
        const long long dx = x2 - x1, dy = y2 - y1;
        const auto [from, to] = visibleRange(y1, x1, dy, dx, H, W);
        stepLine(y1, x1, dy, dx, from, to, [&](long long y, long long x) { painter.pixel(x, y); });
    }
}

}  // namespace gfx
