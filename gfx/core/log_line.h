// One line of the drawing log or of a script, built as printf would build it but
// without reading a format string each time: the log writes thousands of lines a frame.
#pragma once

#include <charconv>
#include <cstddef>
#include <string_view>

#include "gfx/core/format_buffer.h"

namespace gfx {

// Writes one line into the text window (history, echo, back end), as gfxPrintf does
// after formatting.
void writeTextLine(std::string_view line);

class LogLine {
public:
    LogLine& operator<<(std::string_view text) {
        const std::size_t n = text.size() < room() ? text.size() : room();
        text.copy(buffer_ + size_, n);
        size_ += n;
        return *this;
    }
    LogLine& operator<<(char c) { return *this << std::string_view(&c, 1); }
    LogLine& operator<<(int value) {
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        return *this << std::string_view(digits, static_cast<std::size_t>(end - digits));
    }
    // "(x,y)", as "(%d,%d)".
    LogLine& point(int x, int y) { return *this << '(' << x << ',' << y << ')'; }

    std::string_view text() const { return std::string_view(buffer_, size_); }
    // Into the text window; cut at the formatting buffer as every message is.
    void write() const { writeTextLine(text()); }

private:
    std::size_t room() const { return FormatBufferSize - 1 - size_; }

    char buffer_[FormatBufferSize];
    std::size_t size_ = 0;
};

}  // namespace gfx
