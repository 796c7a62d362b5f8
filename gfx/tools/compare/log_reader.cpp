#include "gfx/tools/compare/log_reader.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "gfx/files/safe_file.h"
#include "gfx/files/unlocked_read.h"

namespace gfx {

namespace {

// Pictures begin with these bytes; a log never does.
bool looksLikePicture(const std::string& line, std::string& kind) {
    if (line.rfind("\x89PNG", 0) == 0) {
        kind = "a PNG picture";
        return true;
    }
    if (line.rfind("GIF87a", 0) == 0 || line.rfind("GIF89a", 0) == 0) {
        kind = "a GIF picture";
        return true;
    }
    return false;
}

}  // namespace

LogReader::~LogReader() {
    if (file_) std::fclose(file_);
}

bool LogReader::open(const std::string& path, std::string& error) {
    std::string why;
    if (!readableFile(path, why)) {
        error = path + ": " + why;
        return false;
    }
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    path_ = path;
    return true;
}

bool LogReader::readLine(std::string& line, std::string& error) {
    // Into a buffer of the longest line allowed, which is then copied whole.
    char buffer[MaxLineLength];
    std::size_t length = 0;
    int c = 0;
    while ((c = readByteUnlocked(file_)) != EOF && c != '\n') {
        if (c == '\0') {
            error = path_ + ": line " + std::to_string(linesRead_ + 1) +
                    " holds a zero byte: this is no drawing log";
            return false;
        }
        if (length == MaxLineLength) {
            error = path_ + ": line " + std::to_string(linesRead_ + 1) + " is longer than " +
                    std::to_string(MaxLineLength) + " characters: this is no drawing log";
            return false;
        }
        buffer[length++] = static_cast<char>(c);
    }
    line.assign(buffer, length);
    if (std::ferror(file_)) {
        error = path_ + ": " + std::strerror(errno);
        return false;
    }
    if (c == EOF && length == 0) return false;  // a last line without its end still counts
    ++linesRead_;
    std::string kind;
    if (linesRead_ == 1 && looksLikePicture(line, kind)) {
        error = path_ + " is " + kind + ", not a drawing log";
        return false;
    }
    return true;
}

bool LogReader::advance(std::string& error) {
    std::string line;
    if (readLine(line, error))
        next_ = std::move(line);
    else
        next_.reset();
    return error.empty();
}

bool LogReader::isTickMark(const std::string& line) {
    const bool event = line.rfind(EventLinePrefix, 0) == 0;
    const bool flush = line == FlushLine;
    if (mark_ == TickMark::Unknown && (event || flush))
        mark_ = event ? TickMark::Events : TickMark::Flushes;
    return mark_ == TickMark::Events ? line.rfind(PeriodicLinePrefix, 0) == 0
                                     : mark_ == TickMark::Flushes && flush;
}

namespace {

// The ticks a mark begins: "DROVA_PERIODIC(n);" n of them (one when n cannot be read),
// a flush one.
long long ticksOf(const std::string& mark) {
    if (mark.rfind(PeriodicLinePrefix, 0) != 0) return 1;
    const long long n = std::strtoll(mark.c_str() + PeriodicLinePrefix.size(), nullptr, 10);
    return n > 0 ? n : 1;
}

}  // namespace

bool LogReader::nextTick(LogTick& tick, std::string& error) {
    error.clear();
    tick.lines.clear();
    if (!started_ && !advance(error)) return false;
    if (started_ && !next_) return false;
    started_ = true;
    if (next_ && isTickMark(*next_)) {
        ticks_ += ticksOf(*next_);
        callsInTick_ = 0;
    }
    tick.number = ticks_;
    tick.callsBefore = callsInTick_;
    tick.firstLine = next_ ? linesRead_ : linesRead_ + 1;
    while (next_ && tick.lines.size() < PartLines) {
        if (!tick.lines.empty() && isTickMark(*next_)) break;  // the next tick's
        tick.lines.push_back(std::move(*next_));
        if (!advance(error)) return false;
    }
    tick.eventLines = mark_ == TickMark::Events;
    for (const std::string& line : tick.lines) callsInTick_ += tick.isEvent(line) ? 0 : 1;
    tick.following = next_;
    return true;
}

}  // namespace gfx
