#include "gfx/backends/win32/input_dialog.h"

#include "gfx/backends/win32/dialog_template.h"
#include "gfx/backends/win32/input_dialog_layout.h"

namespace gfx {

// The template's style bits are Windows' own.
static_assert(Style::Popup == WS_POPUP && Style::Child == WS_CHILD && Style::Visible == WS_VISIBLE);
static_assert(Style::Caption == WS_CAPTION && Style::Border == WS_BORDER &&
              Style::SysMenu == WS_SYSMENU);
static_assert(Style::Group == WS_GROUP && Style::TabStop == WS_TABSTOP);
static_assert(Style::SetFont == DS_SETFONT && Style::ModalFrame == DS_MODALFRAME);
static_assert(Style::Multiline == ES_MULTILINE && Style::AutoVScroll == ES_AUTOVSCROLL &&
              Style::WantReturn == ES_WANTRETURN);
static_assert(Style::DefPushButton == BS_DEFPUSHBUTTON);

namespace {

struct DialogState {
    const WindowIcons* icons = nullptr;
    std::string reply;
};

WideString editText(HWND dialog) {
    HWND edit = GetDlgItem(dialog, InputDialogId::Edit);
    const int length = edit ? GetWindowTextLengthW(edit) : 0;
    if (length <= 0) return {};
    WideString text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), length + 1)));
    return text;
}

INT_PTR CALLBACK dialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            state = reinterpret_cast<DialogState*>(lParam);
            if (state->icons) state->icons->applyTo(dialog);
            return TRUE;  // the focus goes to the edit field, the first control that takes it
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                // The button, or Enter anywhere: the dialog's default button is "Okay".
                case InputDialogId::Okay:
                case IDOK:
                    if (state) state->reply = replyText(editText(dialog));
                    EndDialog(dialog, 1);
                    return TRUE;
                case IDCANCEL:
                    return TRUE;  // Escape: not offered
                default:
                    return FALSE;
            }
        case WM_CLOSE:
            return TRUE;  // the close box: not offered
        default:
            return FALSE;
    }
}

}  // namespace

bool runInputDialog(const InputDialogRequest& request, std::string& reply) {
    const std::vector<std::uint16_t> words = inputDialogTemplate(request.caption, request.prompt);
    DialogState state;
    state.icons = request.icons;
    const INT_PTR result =
        DialogBoxIndirectParamW(request.instance, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()),
                                request.owner, dialogProcedure, reinterpret_cast<LPARAM>(&state));
    if (result != 1) return false;
    reply = std::move(state.reply);
    return true;
}

}  // namespace gfx
