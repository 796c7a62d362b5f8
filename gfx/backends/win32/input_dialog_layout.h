// The string-input dialog as laid out in the template: a prompt of one fixed width, a
// multi-line edit field and the "Okay" button, and the texts that go in and come out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/backends/win32/wide_string.h"

namespace gfx {

namespace InputDialogId {
constexpr int Okay = 101;
constexpr int Edit = 102;
constexpr int Prompt = 103;
}  // namespace InputDialogId

inline constexpr std::size_t PromptLength = 79;
inline constexpr std::size_t ReplyLength = 255;

// The prompt's Latin-1 bytes as the static text shows them: exactly PromptLength
// characters, cut or padded with spaces.
WideString promptText(std::string_view prompt);

// The whole template: titled caption, modal, the edit field first so that it has the
// focus. The edit field takes no Enter (no ES_WANTRETURN), so Enter presses "Okay".
std::vector<std::uint16_t> inputDialogTemplate(WideStringView caption, std::string_view prompt);

// The edit field's text as the reply: its line ends as "\n", at most ReplyLength
// characters, those without a Latin-1 byte left out.
std::string replyText(WideStringView editText);

}  // namespace gfx
