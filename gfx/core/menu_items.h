// The "&Run" menu, top to bottom: the one table of its items, their shortcut letters and
// check marks. Back ends build their menu from it and the core's shortcuts follow it.
#pragma once

#include <span>
#include <string>

namespace gfx {

namespace MenuId {
constexpr int Animate = 1;
constexpr int Halt = 2;
constexpr int AdvanceFrame = 3;
constexpr int Logging = 4;
constexpr int RecordScript = 5;
constexpr int PlaybackScript = 6;
constexpr int PlayOne = 7;
constexpr int Quit = 8;
constexpr int Credit = 9;
}  // namespace MenuId

// Made with its fields named: {.text = "&Logging", .id = MenuId::Logging, .shortcut = 'L',
// .checkable = true, .checked = true}; a field not named keeps its default.
struct MenuItem {
    const char* text = nullptr;  // nullptr for a separator; '&' marks the access key
    int id = 0;
    char shortcut = 0;       // Ctrl+this upper-case letter chooses the item; 0 for none
    bool checkable = false;  // carries a check mark
    bool checked = false;    // the check mark's state when the menu is made
    bool greyed = false;     // shown, but cannot be chosen
};

std::span<const MenuItem> runMenuItems();
constexpr const char* RunMenuTitle = "&Run";

// The item's text with its shortcut after a tab ("&Animate\tCtrl+A"), as menus show it.
std::string menuLabel(const MenuItem& item);
// The item that Ctrl+keyCode chooses; 0 when none does.
int shortcutMenuId(int keyCode);

}  // namespace gfx
