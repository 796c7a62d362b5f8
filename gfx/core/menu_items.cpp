#include "gfx/core/menu_items.h"

namespace gfx {

namespace {
constexpr MenuItem items[] = {
    {"&Animate\tCtrl+A", MenuId::Animate, false, false},
    {"&Halt animation\tCtrl+H", MenuId::Halt, false, false},
    {"Advance one &frame\tCtrl+F", MenuId::AdvanceFrame, false, false},
    {nullptr, 0, false, false},
    {"&Logging\tCtrl+L", MenuId::Logging, true, false},
    {nullptr, 0, false, false},
    {"&Record Script\tCtrl+R", MenuId::RecordScript, false, false},
    {"&Playback Script\tCtrl+P", MenuId::PlaybackScript, false, false},
    {"Play &One Script\tCtrl+O", MenuId::PlayOne, false, false},
    {nullptr, 0, false, false},
    {"&Quit\tCtrl+Q", MenuId::Quit, false, false},
    {nullptr, 0, false, false},
    {"DROVA v2.2 July 1997", MenuId::Credit, false, true},
    {"MAC: mac@example.org", MenuId::Credit, false, true},
    {"WINDOWS: windows@example.org", MenuId::Credit, false, true},
    {"UPDATES: updates@example.org", MenuId::Credit, false, true},
};
}  // namespace

std::span<const MenuItem> runMenuItems() {
    return items;
}

}  // namespace gfx
