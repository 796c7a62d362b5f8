#include "gfx/core/format_buffer.h"

#include <algorithm>
#include <cstdio>

namespace gfx {

int formatInto(char (&buffer)[FormatBufferSize], const char* format, std::va_list args) {
    int n = std::vsnprintf(buffer, FormatBufferSize, format, args);
    if (n < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return std::min(n, FormatBufferSize - 1);
}

}  // namespace gfx
