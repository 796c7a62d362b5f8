// Drawing-log lines written out from first principles, to compare with what the
// library logs for a drawing call. Colours are given by index or by name.
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
inline std::string box(const char* shape, const char* colour, int x1, int y1, int x2, int y2,
                       int width) {
    std::string line =
        format("%s %s with bounding box (%d,%d) to (%d,%d)", colour, shape, std::min(x1, x2),
               std::max(y1, y2), std::max(x1, x2), std::min(y1, y2));
    if (width == 0) return line + ", filled\n";
    const bool rectangle = std::string(shape) == "rectangle";
    return line + format(rectangle ? " with line width %d\n" : ", line width %d\n", width);
}

inline std::string rectangle(const char* colour, int x1, int y1, int x2, int y2, int width) {
    return box("rectangle", colour, x1, y1, x2, y2, width);
}
inline std::string oval(const char* colour, int x1, int y1, int x2, int y2, int width) {
    return box("oval", colour, x1, y1, x2, y2, width);
}
inline std::string circle(const char* colour, int x, int y, int radius) {
    return format("%s circle at (%d,%d), radius %d\n", colour, x, y, radius);
}
inline std::string line(const char* colour, int x1, int y1, int x2, int y2, int width) {
    return format("%s line from (%d,%d) to (%d,%d), width %d\n", colour, x1, y1, x2, y2, width);
}
inline std::string triangle(const char* colour, int x1, int y1, int x2, int y2, int x3, int y3) {
    return format("%s triangle at (%d,%d), (%d,%d), (%d,%d)\n", colour, x1, y1, x2, y2, x3, y3);
}
inline std::string text(const char* colour, int x, int y, const char* s) {
    return format("%s text at (%d,%d), \"%s\"\n", colour, x, y, s);
}

// The same by colour index.
inline std::string rectangle(int colour, int x1, int y1, int x2, int y2, int width) {
    return rectangle(colourName(colour), x1, y1, x2, y2, width);
}
inline std::string oval(int colour, int x1, int y1, int x2, int y2, int width) {
    return oval(colourName(colour), x1, y1, x2, y2, width);
}
inline std::string circle(int colour, int x, int y, int radius) {
    return circle(colourName(colour), x, y, radius);
}
inline std::string line(int colour, int x1, int y1, int x2, int y2, int width) {
    return line(colourName(colour), x1, y1, x2, y2, width);
}
inline std::string triangle(int colour, int x1, int y1, int x2, int y2, int x3, int y3) {
    return triangle(colourName(colour), x1, y1, x2, y2, x3, y3);
}
inline std::string text(int colour, int x, int y, const char* s) {
    return text(colourName(colour), x, y, s);
}

}  // namespace loglines
