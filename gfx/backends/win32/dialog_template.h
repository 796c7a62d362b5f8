// A dialog box template built in memory, as DialogBoxIndirectParamW takes it: the
// DLGTEMPLATE with its caption and font, then each control's DLGITEMTEMPLATE on a
// DWORD boundary. Plain data without windows.h, so that its layout is tested off
// Windows too; the style bits are the Win32 values (checked against windows.h where
// it is built for Windows).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/backends/win32/wide_string.h"

namespace gfx {

namespace Style {
constexpr std::uint32_t Popup = 0x80000000u;    // WS_POPUP
constexpr std::uint32_t Child = 0x40000000u;    // WS_CHILD
constexpr std::uint32_t Visible = 0x10000000u;  // WS_VISIBLE
constexpr std::uint32_t Caption = 0x00C00000u;  // WS_CAPTION
constexpr std::uint32_t Border = 0x00800000u;   // WS_BORDER
constexpr std::uint32_t SysMenu = 0x00080000u;  // WS_SYSMENU
constexpr std::uint32_t Group = 0x00020000u;    // WS_GROUP
constexpr std::uint32_t TabStop = 0x00010000u;  // WS_TABSTOP
constexpr std::uint32_t SetFont = 0x40u;        // DS_SETFONT
constexpr std::uint32_t ModalFrame = 0x80u;     // DS_MODALFRAME
constexpr std::uint32_t Multiline = 0x4u;       // ES_MULTILINE
constexpr std::uint32_t AutoVScroll = 0x40u;    // ES_AUTOVSCROLL
constexpr std::uint32_t WantReturn = 0x1000u;   // ES_WANTRETURN
constexpr std::uint32_t DefPushButton = 0x1u;   // BS_DEFPUSHBUTTON
}  // namespace Style

// The predefined control classes by atom, as a template names them.
namespace ControlClass {
constexpr std::uint16_t Button = 0x0080;
constexpr std::uint16_t Edit = 0x0081;
constexpr std::uint16_t Static = 0x0082;
}  // namespace ControlClass

// In dialog units: a quarter of the dialog font's average width, an eighth of its height.
struct DialogRect {
    std::int16_t x = 0, y = 0, width = 0, height = 0;
};

struct DialogFrame {
    std::uint32_t style = 0;
    DialogRect rect;
    WideString caption;
    std::uint16_t pointSize = 0;  // the font, written when style has Style::SetFont
    WideString typeface;
};

struct DialogControl {
    std::uint32_t style = 0;
    DialogRect rect;
    std::uint16_t id = 0;
    std::uint16_t classAtom = 0;
    WideString text;
};

// The template as 16-bit words. A vector's storage is aligned at least for DWORDs, so
// the items that the template aligns within it are aligned in memory too.
std::vector<std::uint16_t> buildDialogTemplate(const DialogFrame& frame,
                                               std::span<const DialogControl> controls);

}  // namespace gfx
