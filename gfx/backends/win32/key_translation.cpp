#include "gfx/backends/win32/key_translation.h"

#include "gfx/core/message.h"

namespace gfx {

namespace {
// VK_CONTROL: either Ctrl key; WM_KEYDOWN never names the left or right one.
constexpr unsigned VirtualKeyControl = 0x11;
static_assert(VirtualKeyControl == KeyCode::Control);
}  // namespace

int keyCodeOfVirtualKey(unsigned virtualKey) {
    if (virtualKey == VirtualKeyControl) return KeyCode::Control;
    // Only the upper-case range: 0x60..0x69 are the number pad's keys, not letters.
    if (virtualKey >= 'A' && virtualKey <= 'Z') return static_cast<int>(virtualKey);
    if (virtualKey >= '0' && virtualKey <= '9') return static_cast<int>(virtualKey);
    return KeyCode::Other;
}

std::optional<int> typedCharacter(unsigned codeUnit) {
    if (codeUnit > 0xFF) return std::nullopt;  // no Latin-1 byte: dropped, never truncated
    return static_cast<int>(codeUnit);
}

}  // namespace gfx
