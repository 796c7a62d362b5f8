// Win32 keyboard messages to the library's key codes and 8-bit typed characters.
#pragma once

#include <optional>

namespace gfx {

// The key code of a WM_KEYDOWN or WM_KEYUP's virtual key: Ctrl, the letters (whose
// virtual keys are their upper-case ASCII codes) and the digits as themselves, any
// other key as KeyCode::Other.
int keyCodeOfVirtualKey(unsigned virtualKey);

// The typed character of a WM_CHAR's UTF-16 code unit as its Latin-1 byte; none for
// a character outside Latin-1 (and for either half of a surrogate pair).
std::optional<int> typedCharacter(unsigned codeUnit);

}  // namespace gfx
