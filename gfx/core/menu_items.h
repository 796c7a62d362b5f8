// The "&Run" menu, top to bottom; back ends build their menu from this table.
#pragma once

#include <span>

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

struct MenuItem {
    const char* text;  // nullptr for a separator
    int id;
    bool checked;
    bool greyed;
};

std::span<const MenuItem> runMenuItems();
constexpr const char* RunMenuTitle = "&Run";

}  // namespace gfx
