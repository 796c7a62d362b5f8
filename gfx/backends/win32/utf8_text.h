// The library's UTF-8 titles and file names as the wide-character functions take them.
#pragma once

#include <string_view>

#include "gfx/backends/win32/wide_string.h"

namespace gfx {

// Invalid sequences become U+FFFD, as the system converts them.
WideString widenUtf8(std::string_view text);

}  // namespace gfx
