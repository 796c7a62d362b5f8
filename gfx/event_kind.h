// The kinds of event the library's wait returns.
#pragma once

// None is never returned; inside the wait it means that no event is pending yet.
enum class EventKind : int { None = 0, Mouse = 1, Keyboard = 2, Periodic = 3, Quit = 4 };
