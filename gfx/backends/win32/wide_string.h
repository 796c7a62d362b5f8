// The UTF-16 text the Win32 wide-character functions take. Off Windows it is char16_t,
// so that the code that makes such text is built and tested on every platform;
// GFX_WIDE("...") is a literal of it.
#pragma once

#include <string>
#include <string_view>

namespace gfx {

#ifdef _WIN32
using WideChar = wchar_t;
#define GFX_WIDE(text) L##text
#else
using WideChar = char16_t;
#define GFX_WIDE(text) u##text
#endif
using WideString = std::basic_string<WideChar>;
using WideStringView = std::basic_string_view<WideChar>;

static_assert(sizeof(WideChar) == 2, "UTF-16 code units");

}  // namespace gfx
