// The library's 24 colours by name, numbered as its colour table numbers them.
#pragma once

/// @file
/// The 24 colours.

namespace gfx {

/// A colour: 0 to 23, one of the palette's. Any other value is drawn red, and the
/// drawing function writes "Illegal color N; using RED." to the text window.
using ColorIndex = int;

/// The colours by name; the drawing log names them in lower case ("navy blue").
namespace palette {

inline constexpr ColorIndex Black = 0;         ///< black
inline constexpr ColorIndex White = 1;         ///< white
inline constexpr ColorIndex Red = 2;           ///< red
inline constexpr ColorIndex Green = 3;         ///< green
inline constexpr ColorIndex Blue = 4;          ///< blue
inline constexpr ColorIndex Yellow = 5;        ///< yellow
inline constexpr ColorIndex Magenta = 6;       ///< magenta
inline constexpr ColorIndex Cyan = 7;          ///< cyan
inline constexpr ColorIndex Purple = 8;        ///< purple
inline constexpr ColorIndex NavyBlue = 9;      ///< navy blue
inline constexpr ColorIndex DustyPlum = 10;    ///< dusty plum
inline constexpr ColorIndex IceBlue = 11;      ///< ice blue
inline constexpr ColorIndex Turquoise = 12;    ///< turquoise
inline constexpr ColorIndex Orange = 13;       ///< orange
inline constexpr ColorIndex Brown = 14;        ///< brown
inline constexpr ColorIndex Pink = 15;         ///< pink
inline constexpr ColorIndex Chalk = 16;        ///< chalk
inline constexpr ColorIndex Gold = 17;         ///< gold
inline constexpr ColorIndex Peach = 18;        ///< peach
inline constexpr ColorIndex ForestGreen = 19;  ///< forest green
inline constexpr ColorIndex SeaGreen = 20;     ///< sea green
inline constexpr ColorIndex Olive = 21;        ///< olive
inline constexpr ColorIndex Gray50 = 22;       ///< 50% gray
inline constexpr ColorIndex Gray20 = 23;       ///< 20% gray

inline constexpr int ColourCount = 24;  ///< how many colours there are

}  // namespace palette

}  // namespace gfx
