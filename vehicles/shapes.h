// Drawing with Points; the palette's colour names come along.
#pragma once

#include "vehicles/geometry.h"
#include "vehicles/library_names.h"

namespace shapes {

using namespace palette;

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
