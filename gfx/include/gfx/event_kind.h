// The kinds of event the library's wait returns.
#pragma once

/// @file
/// The kinds of event.

// Xlib defines None as a macro (0L); a program may include <X11/Xlib.h> before this
// header. The macro is held off while the enumeration is declared and restored after.
#pragma push_macro("None")
#undef None

namespace gfx {

/// What Display::awaitEvent and gfxAwaitEvent return.
enum class EventKind : int {
    None = 0,      ///< never returned; inside the wait, no event is pending yet
    Mouse = 1,     ///< a left click; x and y hold its world point
    Keyboard = 2,  ///< a typed character; key holds it
    Periodic = 3,  ///< the 100 ms tick, while animating or after a single frame was asked for
    Quit = 4       ///< the end: the window closed, Quit chosen, or the animation set to quit
};

}  // namespace gfx

#pragma pop_macro("None")
