#include "gfx/backends/qt/key_translation.h"

#include "gfx/core/message.h"

namespace gfx {

int keyCodeOf(const QKeyEvent& event) {
    int key = event.key();
    if (key == Qt::Key_Control) return KeyCode::Control;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    return KeyCode::Other;
}

std::optional<int> typedCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1) return std::nullopt;
    const char16_t c = text.at(0).unicode();
    if (c > 0xFF) return std::nullopt;  // no Latin-1 byte: dropped, never truncated
    return static_cast<int>(c);
}

}  // namespace gfx
