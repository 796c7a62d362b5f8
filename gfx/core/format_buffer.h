// Formatting into the library's fixed 1024-character buffer, cut rather than overrun.
#pragma once

#include <cstdarg>

namespace gfx {

constexpr int FormatBufferSize = 1024;

// Formats into buffer; returns the length kept (a longer result is cut at the buffer).
int formatInto(char (&buffer)[FormatBufferSize], const char* format, std::va_list args);

}  // namespace gfx
