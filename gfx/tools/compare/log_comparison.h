// Two drawing logs compared tick by tick: where they first differ and in how many lines.
#pragma once

#include <optional>
#include <string>

namespace gfx {

// One side's line at the first difference; absent past the end of its log.
struct LogSide {
    std::optional<std::string> line;
};

struct FirstLogDifference {
    long long line = 0;  // the line number in both logs, from 1
    long long tick = 0;  // the tick it falls in: 0 before the first
    long long call = 0;  // the drawing call of the tick it is or stands in place of, from 1
    bool event = false;  // either line is an event's (--log-events), not a drawing call
    LogSide a, b;
};

struct LogComparison {
    long long linesA = 0, linesB = 0;
    long long ticksA = 0, ticksB = 0;
    long long onlyInA = 0, onlyInB = 0;  // lines that the other log lacks
    bool rough = false;                  // the counts are at most (gfx::LineDiff::rough)
    std::optional<FirstLogDifference> first;

    bool equal() const { return !first; }
};

// Reads both logs to their end; on a file that cannot be read or is no log, returns
// nothing with a one-line reason.
std::optional<LogComparison> compareLogs(const std::string& pathA, const std::string& pathB,
                                         std::string& error);

}  // namespace gfx
