#include "gfx/core/menu_items.h"

namespace gfx {

namespace {
constexpr MenuItem Separator = {nullptr, 0, 0, false, false, false};
constexpr MenuItem items[] = {
    {"&Animate", MenuId::Animate, 'A', false, false, false},
    {"&Halt animation", MenuId::Halt, 'H', false, false, false},
    {"Advance one &frame", MenuId::AdvanceFrame, 'F', false, false, false},
    Separator,
    {"&Logging", MenuId::Logging, 'L', true, true, false},
    Separator,
    {"&Record Script", MenuId::RecordScript, 'R', true, false, false},
    {"&Playback Script", MenuId::PlaybackScript, 'P', true, false, false},
    {"Play &One Script", MenuId::PlayOne, 'O', false, false, false},
    Separator,
    {"&Quit", MenuId::Quit, 'Q', false, false, false},
    Separator,
    {"DROVA v2.2 July 1997", MenuId::Credit, 0, false, false, true},
    {"MAC: mac@example.org", MenuId::Credit, 0, false, false, true},
    {"WINDOWS: windows@example.org", MenuId::Credit, 0, false, false, true},
    {"UPDATES: updates@example.org", MenuId::Credit, 0, false, false, true},
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
