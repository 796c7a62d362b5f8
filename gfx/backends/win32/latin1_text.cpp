#include "gfx/backends/win32/latin1_text.h"

namespace gfx {

WideString widenLatin1(std::string_view text) {
    WideString wide;
    wide.reserve(text.size());
    // Through unsigned char: a plain char above 0x7F would become a negative number.
    for (const char c : text) wide.push_back(static_cast<WideChar>(static_cast<unsigned char>(c)));
    return wide;
}

std::string narrowToLatin1(WideStringView text, std::size_t maxLength) {
    std::string narrow;
    for (const WideChar c : text) {
        if (narrow.size() == maxLength) break;
        if (static_cast<unsigned>(c) <= 0xFF) narrow.push_back(static_cast<char>(c));
    }
    return narrow;
}

}  // namespace gfx
