// One window-system message, as the back end hands it to the library's pump.
#pragma once

namespace gfx {

enum class MessageKind {
    Timer,      // the 100 ms timer fired
    LeftClick,  // a = client x, b = client y (pixels)
    KeyDown,    // a = key code (KeyCode)
    KeyUp,      // a = key code
    Character,  // a = typed character, 0..255
    Command,    // a = menu item identifier
    Size,       // a = client width, b = client height
    Quit,       // the platform's quit request: window closed or Quit chosen
};

struct Message {
    MessageKind kind;
    int a = 0;
    int b = 0;
};

// Key codes of key-down and key-up messages: letters are their upper-case ASCII code.
namespace KeyCode {
constexpr int Control = 0x11;
constexpr int Other = 0xFF;
}  // namespace KeyCode

}  // namespace gfx
