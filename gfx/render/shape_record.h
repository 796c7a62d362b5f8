// What the renderer draws: one checked and corrected drawing call.
#pragma once

#include <algorithm>
#include <array>
#include <string>

namespace gfx {

// The largest point size text is drawn in; larger ones are drawn at this size.
constexpr int MaxPointSize = 127;

enum class ShapeKind { Triangle, Rectangle, Oval, Line, Text };

// World coordinates (y grows upwards), 64 bits wide: a circle's box around any centre
// with any radius fits.
struct WorldPoint {
    long long x = 0, y = 0;
};
struct WorldBox {
    long long left = 0, top = 0, right = 0, bottom = 0;  // top >= bottom
};

// Each kind reads only the fields named for it; the others stay as they are made.
struct ShapeRecord {
    ShapeKind kind = ShapeKind::Line;
    int colour = 0;                       // already a valid index into the colour table
    int width = 0;                        // 0 = filled
    WorldBox box;                         // Rectangle, Oval
    WorldPoint from, to;                  // Line
    std::array<WorldPoint, 3> corners{};  // Triangle
    WorldPoint at;                        // Text: the anchor its first line stands on
    int pointSize = 0;                    // Text, 0..MaxPointSize
    std::string text;                     // Text
};

// A box given by two opposite corners in either order, as its least and greatest x and y.
template <class T>
struct Extent {
    T minX, minY, maxX, maxY;
};
template <class T>
constexpr Extent<T> extentOf(T x1, T y1, T x2, T y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

}  // namespace gfx
