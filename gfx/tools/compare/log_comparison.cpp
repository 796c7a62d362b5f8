#include "gfx/tools/compare/log_comparison.h"

#include <cstddef>

#include "gfx/tools/compare/line_diff.h"
#include "gfx/tools/compare/log_reader.h"

namespace gfx {

namespace {

// The first place where two parts of one tick differ, when they do.
std::optional<FirstLogDifference> firstDifference(const LogTick& a, const LogTick& b) {
    std::size_t i = 0;
    while (i < a.lines.size() && i < b.lines.size() && a.lines[i] == b.lines[i]) ++i;
    if (i == a.lines.size() && i == b.lines.size()) return std::nullopt;
    // Both logs are the same up to here, so the line, its tick and its place are both's.
    const LogTick& at = i < a.lines.size() ? a : b;
    FirstLogDifference d;
    d.line = at.firstLine + static_cast<long long>(i);
    d.tick = at.number;
    // The drawing calls of the tick before the line, and the line as the next.
    d.call = at.callsBefore + 1;
    for (std::size_t j = 0; j < i; ++j) d.call += at.isEvent(at.lines[j]) ? 0 : 1;
    d.a.line = i < a.lines.size() ? a.lines[i] : a.following;
    d.b.line = i < b.lines.size() ? b.lines[i] : b.following;
    d.event = (d.a.line && at.isEvent(*d.a.line)) || (d.b.line && at.isEvent(*d.b.line));
    return d;
}

// What a log that has ended holds where the other goes on: nothing.
LogTick endedTick(const LogTick& other, const LogReader& ended) {
    LogTick t;
    t.number = other.number;
    t.firstLine = ended.linesRead() + 1;
    return t;
}

}  // namespace

std::optional<LogComparison> compareLogs(const std::string& pathA, const std::string& pathB,
                                         std::string& error) {
    LogReader readerA, readerB;
    if (!readerA.open(pathA, error) || !readerB.open(pathB, error)) return std::nullopt;
    LogComparison result;
    LogTick a, b;
    for (;;) {
        const bool gotA = readerA.nextTick(a, error);
        if (!error.empty()) return std::nullopt;
        const bool gotB = readerB.nextTick(b, error);
        if (!error.empty()) return std::nullopt;
        if (!gotA && !gotB) break;
        // A log that has ended goes on as an empty tick.
        if (!gotA) a = endedTick(b, readerA);
        if (!gotB) b = endedTick(a, readerB);
        if (!result.first) result.first = firstDifference(a, b);
        const LineDiff diff = diffLines(a.lines, b.lines);
        result.onlyInA += static_cast<long long>(diff.onlyInA);
        result.onlyInB += static_cast<long long>(diff.onlyInB);
        result.rough = result.rough || diff.rough;
    }
    result.linesA = readerA.linesRead();
    result.linesB = readerB.linesRead();
    result.ticksA = readerA.ticks();
    result.ticksB = readerB.ticks();
    return result;
}

}  // namespace gfx
