// The library's 24 colours by name, numbered as its colour table numbers them.
#pragma once

using ColorIndex = int;

namespace palette {

inline constexpr ColorIndex Black = 0;
inline constexpr ColorIndex White = 1;
inline constexpr ColorIndex Red = 2;
inline constexpr ColorIndex Green = 3;
inline constexpr ColorIndex Blue = 4;
inline constexpr ColorIndex Yellow = 5;
inline constexpr ColorIndex Magenta = 6;
inline constexpr ColorIndex Cyan = 7;
inline constexpr ColorIndex Purple = 8;
inline constexpr ColorIndex NavyBlue = 9;
inline constexpr ColorIndex DustyPlum = 10;
inline constexpr ColorIndex IceBlue = 11;
inline constexpr ColorIndex Turquoise = 12;
inline constexpr ColorIndex Orange = 13;
inline constexpr ColorIndex Brown = 14;
inline constexpr ColorIndex Pink = 15;
inline constexpr ColorIndex Chalk = 16;
inline constexpr ColorIndex Gold = 17;
inline constexpr ColorIndex Peach = 18;
inline constexpr ColorIndex ForestGreen = 19;
inline constexpr ColorIndex SeaGreen = 20;
inline constexpr ColorIndex Olive = 21;
inline constexpr ColorIndex Gray50 = 22;
inline constexpr ColorIndex Gray20 = 23;

inline constexpr int ColourCount = 24;

}  // namespace palette
