// Qt key events to the library's key codes and 8-bit typed characters.
#pragma once

#include <QKeyEvent>
#include <optional>

namespace gfx {

int keyCodeOf(const QKeyEvent& event);
// The typed character as its Latin-1 byte; none when the event types nothing
// or types a character outside Latin-1.
std::optional<int> typedCharacter(const QKeyEvent& event);

}  // namespace gfx
