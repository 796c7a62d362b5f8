// Shape records as the library's drawing calls make them, for the renderer's tests.
#pragma once

#include <string>

#include "gfx/render/shape_record.h"

namespace records {

constexpr int Black = 0, White = 1, Red = 2, Green = 3, Blue = 4;

inline gfx::ShapeRecord made(gfx::ShapeKind kind, int colour, int width) {
    gfx::ShapeRecord r;
    r.kind = kind;
    r.colour = colour;
    r.width = width;
    return r;
}
inline gfx::ShapeRecord box(gfx::ShapeKind kind, int colour, int width, long long left,
                            long long top, long long right, long long bottom) {
    gfx::ShapeRecord r = made(kind, colour, width);
    r.box = {left, top, right, bottom};
    return r;
}
inline gfx::ShapeRecord rectangle(int colour, int width, long long left, long long top,
                                  long long right, long long bottom) {
    return box(gfx::ShapeKind::Rectangle, colour, width, left, top, right, bottom);
}
inline gfx::ShapeRecord oval(int colour, int width, long long left, long long top, long long right,
                             long long bottom) {
    return box(gfx::ShapeKind::Oval, colour, width, left, top, right, bottom);
}
inline gfx::ShapeRecord circle(int colour, long long x, long long y, long long radius) {
    return oval(colour, 0, x - radius, y + radius, x + radius, y - radius);
}
inline gfx::ShapeRecord line(int colour, int width, long long x1, long long y1, long long x2,
                             long long y2) {
    gfx::ShapeRecord r = made(gfx::ShapeKind::Line, colour, width);
    r.from = {x1, y1};
    r.to = {x2, y2};
    return r;
}
inline gfx::ShapeRecord triangle(int colour, int width, long long x1, long long y1, long long x2,
                                 long long y2, long long x3, long long y3) {
    gfx::ShapeRecord r = made(gfx::ShapeKind::Triangle, colour, width);
    r.corners = {{{x1, y1}, {x2, y2}, {x3, y3}}};
    return r;
}
inline gfx::ShapeRecord text(int colour, long long x, long long y, int pointSize, std::string s) {
    gfx::ShapeRecord r = made(gfx::ShapeKind::Text, colour, 0);
    r.at = {x, y};
    r.pointSize = pointSize;
    r.text = std::move(s);
    return r;
}

}  // namespace records
