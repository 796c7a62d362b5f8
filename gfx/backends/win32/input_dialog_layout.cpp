#include "gfx/backends/win32/input_dialog_layout.h"

#include <array>

#include "gfx/backends/win32/dialog_template.h"
#include "gfx/backends/win32/latin1_text.h"

namespace gfx {

namespace {
constexpr WideChar CarriageReturn = GFX_WIDE('\r');
constexpr WideChar LineFeed = GFX_WIDE('\n');
}  // namespace

WideString promptText(std::string_view prompt) {
    WideString text = widenLatin1(prompt.substr(0, PromptLength));
    text.resize(PromptLength, GFX_WIDE(' '));
    return text;
}

std::vector<std::uint16_t> inputDialogTemplate(WideStringView caption, std::string_view prompt) {
    const DialogFrame frame = {
        .style = Style::Popup | Style::Visible | Style::Caption | Style::SysMenu |
                 Style::ModalFrame | Style::SetFont,
        .rect = {50, 50, 185, 92},
        .caption = WideString(caption),
        .pointSize = 8,
        // The dialog font that maps to each system's own user-interface face.
        .typeface = GFX_WIDE("MS Shell Dlg"),
    };
    const std::array<DialogControl, 3> controls = {{
        {.style = Style::Child | Style::Visible | Style::Border | Style::TabStop |
                  Style::Multiline | Style::AutoVScroll,
         .rect = {8, 30, 167, 37},
         .id = InputDialogId::Edit,
         .classAtom = ControlClass::Edit,
         .text = {}},  // empty
        {.style = Style::Child | Style::Visible | Style::TabStop | Style::DefPushButton,
         .rect = {67, 74, 50, 14},
         .id = InputDialogId::Okay,
         .classAtom = ControlClass::Button,
         .text = GFX_WIDE("Okay")},
        {.style = Style::Child | Style::Visible | Style::Group,
         .rect = {8, 3, 167, 24},
         .id = InputDialogId::Prompt,
         .classAtom = ControlClass::Static,
         .text = promptText(prompt)},
    }};
    return buildDialogTemplate(frame, controls);
}

std::string replyText(WideStringView editText) {
    // A multi-line edit field ends its lines with "\r\n"; the library's text with "\n".
    WideString text;
    text.reserve(editText.size());
    for (std::size_t i = 0; i < editText.size(); ++i) {
        const bool lineEnd =
            editText[i] == CarriageReturn && i + 1 < editText.size() && editText[i + 1] == LineFeed;
        if (!lineEnd) text.push_back(editText[i]);
    }
    return narrowToLatin1(text, ReplyLength);
}

}  // namespace gfx
