// Expected drawing-log lines, built from a shape's table values and its colour's name.
#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace loglines {

template <typename... Args>
std::string format(const char* fmt, Args... args) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

// The log shows a box as (left, top) to (right, bottom) whichever corners were given.
inline std::string box(int x1, int y1, int x2, int y2) {
    return format("(%d,%d) to (%d,%d)", std::min(x1, x2), std::max(y1, y2), std::max(x1, x2),
                  std::min(y1, y2));
}

inline std::string rect(const char* colour, int x1, int y1, int x2, int y2, int width) {
    if (width == 0)
        return format("%s rectangle with bounding box %s, filled\n", colour,
                      box(x1, y1, x2, y2).c_str());
    return format("%s rectangle with bounding box %s with line width %d\n", colour,
                  box(x1, y1, x2, y2).c_str(), width);
}

inline std::string oval(const char* colour, int x1, int y1, int x2, int y2, int width) {
    if (width == 0)
        return format("%s oval with bounding box %s, filled\n", colour,
                      box(x1, y1, x2, y2).c_str());
    return format("%s oval with bounding box %s, line width %d\n", colour,
                  box(x1, y1, x2, y2).c_str(), width);
}

inline std::string line(const char* colour, int x1, int y1, int x2, int y2, int width) {
    return format("%s line from (%d,%d) to (%d,%d), width %d\n", colour, x1, y1, x2, y2, width);
}

inline std::string triangle(const char* colour, int x1, int y1, int x2, int y2, int x3, int y3) {
    return format("%s triangle at (%d,%d), (%d,%d), (%d,%d)\n", colour, x1, y1, x2, y2, x3, y3);
}

inline std::string circle(const char* colour, int x, int y, int radius) {
    return format("%s circle at (%d,%d), radius %d\n", colour, x, y, radius);
}

inline std::string text(const char* colour, int x, int y, const char* text) {
    return format("%s text at (%d,%d), \"%s\"\n", colour, x, y, text);
}

// The next n values of the generator after seeding it with seed; it is left seeded
// with seed again, so the code under test sees the same values.
inline std::vector<int> upcomingRands(unsigned seed, int n) {
    std::srand(seed);
    std::vector<int> values(n);
    for (int& v : values) v = std::rand();
    std::srand(seed);
    return values;
}

// One helicopter at (x, y) with rotor pose 0..2 and a yellow or red tail light.
inline std::vector<std::string> helicopter(const char* colour, int x, int y, int pose,
                                           bool yellowTail) {
    std::vector<std::string> lines = {
        oval(colour, x - 6, y + 10, x + 6, y - 10, 0),
        oval(colour, x - 2, y - 5, x + 1, y - 27, 0),
        line(colour, x - 3, y - 22, x + 1, y - 22, 4),
    };
    if (pose == 0) {
        lines.push_back(line("20% gray", x - 16, y + 8, x + 17, y - 12, 2));
        lines.push_back(line("20% gray", x + 9, y + 13, x - 7, y - 18, 2));
    } else if (pose == 1) {
        lines.push_back(line("20% gray", x + 17, y + 8, x - 16, y - 12, 2));
        lines.push_back(line("20% gray", x - 7, y + 13, x + 9, y - 18, 2));
    } else {
        lines.push_back(line("20% gray", x - 19, y - 2, x + 20, y - 2, 2));
    }
    lines.push_back(circle(yellowTail ? "yellow" : "red", x - 1, y - 25, 1));
    return lines;
}

}  // namespace loglines
