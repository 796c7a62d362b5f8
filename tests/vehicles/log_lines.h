// Drawing-log lines written out from first principles, to compare with what
// the library logs for a drawing call.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

namespace loglines {

inline const char* colourName(int c) {
    static const char* const names[] = {
        "black",     "white",        "red",       "green",     "blue",       "yellow",
        "magenta",   "cyan",         "purple",    "navy blue", "dusty plum", "ice blue",
        "turquoise", "orange",       "brown",     "pink",      "chalk",      "gold",
        "peach",     "forest green", "sea green", "olive",     "50% gray",   "20% gray"};
    return names[c];
}

template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

// Rectangles and ovals log their corners as (left, top) to (right, bottom).
inline std::string box(const char* shape, int colour, int x1, int y1, int x2, int y2, int width) {
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::max(y1, y2), bottom = std::min(y1, y2);
    std::string line = format("%s %s with bounding box (%d,%d) to (%d,%d)", colourName(colour),
                              shape, left, top, right, bottom);
    if (width == 0) return line + ", filled\n";
    const bool rectangle = std::string(shape) == "rectangle";
    return line + format(rectangle ? " with line width %d\n" : ", line width %d\n", width);
}

inline std::string rectangle(int colour, int x1, int y1, int x2, int y2, int width) {
    return box("rectangle", colour, x1, y1, x2, y2, width);
}
inline std::string oval(int colour, int x1, int y1, int x2, int y2, int width) {
    return box("oval", colour, x1, y1, x2, y2, width);
}
inline std::string circle(int colour, int x, int y, int radius) {
    return format("%s circle at (%d,%d), radius %d\n", colourName(colour), x, y, radius);
}
inline std::string line(int colour, int x1, int y1, int x2, int y2, int width) {
    return format("%s line from (%d,%d) to (%d,%d), width %d\n", colourName(colour), x1, y1, x2, y2,
                  width);
}
inline std::string triangle(int colour, int x1, int y1, int x2, int y2, int x3, int y3) {
    return format("%s triangle at (%d,%d), (%d,%d), (%d,%d)\n", colourName(colour), x1, y1, x2, y2,
                  x3, y3);
}
inline std::string text(int colour, int x, int y, const char* s) {
    return format("%s text at (%d,%d), \"%s\"\n", colourName(colour), x, y, s);
}

}  // namespace loglines
