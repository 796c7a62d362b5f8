// Reads a drawing log (as a headless run with --log writes it) one tick at a time, so
// that a log of any length is compared in little memory.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

// Where a tick begins. A run with --log-events writes each event as a script line, and
// a tick begins at each "DROVA_PERIODIC(n);" (n ticks at once). A log without them
// counts by the flush that Display::clear writes first: a program that clears its
// picture once a tick (as the examples do) begins each tick's drawing with it.
inline constexpr std::string_view EventLinePrefix = "DROVA_";
inline constexpr std::string_view PeriodicLinePrefix = "DROVA_PERIODIC(";
inline constexpr std::string_view FlushLine = "Flushing the graphics window";

// The lines of one tick, or of a part of a very long one. Tick 0 holds the lines
// before the first tick begins.
struct LogTick {
    long long number = 0;
    long long firstLine = 1;    // the log's line number of lines[0], from 1
    long long callsBefore = 0;  // the tick's drawing lines in the parts before this one
    std::vector<std::string> lines;
    std::optional<std::string> following;  // the log's next line; none at its end
    bool eventLines = false;               // lines of events are in it (not drawing calls)

    // Whether the line is an event's rather than a drawing call's.
    bool isEvent(const std::string& line) const {
        return eventLines &&
               std::string_view(line).substr(0, EventLinePrefix.size()) == EventLinePrefix;
    }
};

class LogReader {
public:
    // The library cuts every line at 1023 characters: a longer one is no log's.
    static constexpr std::size_t MaxLineLength = 4096;
    // A tick longer than this (a program that never clears) comes in parts of this many
    // lines, so that memory stays bounded.
    static constexpr std::size_t PartLines = 100000;

    LogReader() = default;
    LogReader(const LogReader&) = delete;
    LogReader& operator=(const LogReader&) = delete;
    ~LogReader();

    // Opens a regular file; a picture named in a log's place is refused by its first bytes.
    bool open(const std::string& path, std::string& error);
    // The next tick or part of one, or false at the end (error empty) or on a line that
    // is not a log's (error says which and why). An empty log has one empty tick 0.
    bool nextTick(LogTick& tick, std::string& error);

    long long linesRead() const { return linesRead_; }
    // The ticks begun so far: the log's ticks once it is read to its end.
    long long ticks() const { return ticks_; }

private:
    enum class TickMark { Unknown, Events, Flushes };
    // Whether the line begins a tick. The first event line or flush in the log decides
    // how its ticks are marked.
    bool isTickMark(const std::string& line);

    // Reads the line after the last one into next_; false on a bad line.
    bool advance(std::string& error);
    // One line without its end; false at the end of the file or on a bad line.
    bool readLine(std::string& line, std::string& error);

    std::string path_;
    std::FILE* file_ = nullptr;
    std::optional<std::string> next_;  // the line read ahead, numbered linesRead_
    bool started_ = false;
    TickMark mark_ = TickMark::Unknown;
    long long ticks_ = 0;
    long long callsInTick_ = 0;
    long long linesRead_ = 0;
};

}  // namespace gfx
