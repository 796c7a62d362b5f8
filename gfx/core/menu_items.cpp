#include "gfx/core/menu_items.h"

namespace gfx {

namespace {
constexpr MenuItem Separator = {};
// The credits are shown, greyed, under the commands.
constexpr MenuItem credit(const char* text) {
    return {.text = text, .id = MenuId::Credit, .greyed = true};
}
constexpr MenuItem items[] = {
    {.text = "&Animate", .id = MenuId::Animate, .shortcut = 'A'},
    {.text = "&Halt animation", .id = MenuId::Halt, .shortcut = 'H'},
    {.text = "Advance one &frame", .id = MenuId::AdvanceFrame, .shortcut = 'F'},
    Separator,
    {.text = "&Logging",
     .id = MenuId::Logging,
     .shortcut = 'L',
     .checkable = true,
     .checked = true},
    Separator,
    {.text = "&Record Script", .id = MenuId::RecordScript, .shortcut = 'R', .checkable = true},
    {.text = "&Playback Script", .id = MenuId::PlaybackScript, .shortcut = 'P', .checkable = true},
    {.text = "Play &One Script", .id = MenuId::PlayOne, .shortcut = 'O'},
    Separator,
    {.text = "&Quit", .id = MenuId::Quit, .shortcut = 'Q'},
    Separator,
    credit("DROVA v2.2 July 1997"),
    credit("MAC: mac@example.org"),
    credit("WINDOWS: windows@example.org"),
    credit("UPDATES: updates@example.org"),
};
}  // namespace

std::span<const MenuItem> runMenuItems() {
    return items;
}

std::string menuLabel(const MenuItem& item) {
    std::string label = item.text ? item.text : "";
    if (item.shortcut) (label += "\tCtrl+") += item.shortcut;
    return label;
}

int shortcutMenuId(int keyCode) {
    if (keyCode <= 0) return 0;
    for (const MenuItem& item : items)
        if (item.shortcut == keyCode) return item.id;
    return 0;
}

}  // namespace gfx
