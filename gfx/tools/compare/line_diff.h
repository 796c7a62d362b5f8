// How many lines two texts differ in: the lines of each that the other lacks when the
// longest common run of lines is kept, as diff counts them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace gfx {

struct LineDiff {
    std::size_t onlyInA = 0;
    std::size_t onlyInB = 0;
    // The texts differ in too many lines to align them within the work allowed: every
    // line between their common beginning and end is counted, so the counts are at most.
    bool rough = false;
};

// Myers's difference algorithm, counting only: time grows with the lines times the
// differences, so past maxEdits differences it stops and counts roughly.
LineDiff diffLines(const std::vector<std::string>& a, const std::vector<std::string>& b,
                   std::size_t maxEdits = 4000);

}  // namespace gfx
