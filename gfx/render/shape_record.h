// What the renderer draws: one checked and corrected drawing call.
#pragma once

#include <string>

namespace gfx {

enum class ShapeKind { Triangle, Rectangle, Oval, Line, Text };

struct ShapeRecord {
    ShapeKind kind = ShapeKind::Line;
    int colour = 0;  // already a valid index into the colour table
    int width = 0;   // 0 = filled
    // Triangle: x1 y1 x2 y2 x3 y3; rectangle and oval: left top right bottom;
    // line: x1 y1 x2 y2; text: x y pointSize. Wide enough for a circle's box around
    // any centre with any radius.
    long long p[6] = {0, 0, 0, 0, 0, 0};
    std::string text;
};

}  // namespace gfx
