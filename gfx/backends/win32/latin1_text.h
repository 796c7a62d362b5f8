// The library's 8-bit text in UTF-16 and back: each byte is the code point of the same
// number (Latin-1), as the text window and the input dialog show and take it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "gfx/backends/win32/wide_string.h"

namespace gfx {

WideString widenLatin1(std::string_view text);

// The characters that have a Latin-1 byte, at most maxLength of them; the others are
// left out, never truncated to a byte.
std::string narrowToLatin1(WideStringView text, std::size_t maxLength);

}  // namespace gfx
