// One window-system message, as the back end hands it to the library's pump.
#pragma once

namespace gfx {

enum class MessageKind {
    Timer,      // the timer fired (every TickMilliseconds)
    LeftClick,  // x, y: the client pixel
    KeyDown,    // keyCode
    KeyUp,      // keyCode
    Character,  // character: the typed character, 0..255
    Command,    // commandId: the menu item's identifier (MenuId)
    Size,       // width, height: the client area's size in pixels
    Quit,       // the platform's quit request: window closed or Quit chosen
};

// Each kind fills only the fields named beside it; make one with the function of its kind.
struct Message {
    MessageKind kind = MessageKind::Timer;
    int x = 0, y = 0;
    int width = 0, height = 0;
    int keyCode = 0;
    int character = 0;
    int commandId = 0;

    static constexpr Message timer() { return {}; }
    static constexpr Message leftClick(int x, int y) {
        return {.kind = MessageKind::LeftClick, .x = x, .y = y};
    }
    static constexpr Message keyDown(int keyCode) {
        return {.kind = MessageKind::KeyDown, .keyCode = keyCode};
    }
    static constexpr Message keyUp(int keyCode) {
        return {.kind = MessageKind::KeyUp, .keyCode = keyCode};
    }
    static constexpr Message typed(int character) {
        return {.kind = MessageKind::Character, .character = character};
    }
    static constexpr Message command(int id) {
        return {.kind = MessageKind::Command, .commandId = id};
    }
    static constexpr Message size(int width, int height) {
        return {.kind = MessageKind::Size, .width = width, .height = height};
    }
    static constexpr Message quit() { return {.kind = MessageKind::Quit}; }
};

// Key codes of key-down and key-up messages: letters are their upper-case ASCII code.
namespace KeyCode {
constexpr int Control = 0x11;
constexpr int Other = 0xFF;
}  // namespace KeyCode

}  // namespace gfx
