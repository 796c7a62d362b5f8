// Drawing with Points, and the palette colours the town's shapes use.
#pragma once

#include "gfx/display.h"
#include "vehicles/geometry.h"

namespace shapes {

inline constexpr ColorIndex Black = 0;
inline constexpr ColorIndex White = 1;
inline constexpr ColorIndex Red = 2;
inline constexpr ColorIndex Green = 3;
inline constexpr ColorIndex Blue = 4;
inline constexpr ColorIndex Yellow = 5;
inline constexpr ColorIndex IceBlue = 11;
inline constexpr ColorIndex Peach = 18;
inline constexpr ColorIndex Gray50 = 22;

inline void drawRectangle(Display& d, Point a, Point b, ColorIndex colour, int width) {
    d.drawRectangle(a.x(), a.y(), b.x(), b.y(), colour, width);
}
inline void drawOval(Display& d, Point a, Point b, ColorIndex colour, int width) {
    d.drawOval(a.x(), a.y(), b.x(), b.y(), colour, width);
}
inline void drawLine(Display& d, Point a, Point b, ColorIndex colour, int width) {
    d.drawLine(a.x(), a.y(), b.x(), b.y(), colour, width);
}
inline void drawTriangle(Display& d, Point a, Point b, Point c, ColorIndex colour, int width) {
    d.drawTriangle(a.x(), a.y(), b.x(), b.y(), c.x(), c.y(), colour, width);
}
inline void drawCircle(Display& d, Point centre, int radius, ColorIndex colour) {
    d.drawCircle(centre.x(), centre.y(), radius, colour);
}
inline void drawText(Display& d, Point at, const char* text, ColorIndex colour, int pointSize) {
    d.drawText(at.x(), at.y(), text, colour, pointSize);
}

}  // namespace shapes
