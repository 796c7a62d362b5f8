// Expected drawing-log lines of the scenery's random parts.
#pragma once

#include <string>
#include <vector>

#include "tests/support/log_lines.h"
#include "traffic/random_sequence.h"

namespace loglines {

// The next n values of the generator after seeding it with seed; it is left seeded
// with seed again, so the code under test sees the same values.
inline std::vector<int> upcomingRands(unsigned seed, int n) {
    seedRandom(seed);
    std::vector<int> values(n);
    for (int& v : values) v = nextRandom();
    seedRandom(seed);
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
