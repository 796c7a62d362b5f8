// The program's icon for its windows: the installed icon's PNGs, built into the
// program so that window lists and task bars show it wherever the program runs from.
#pragma once

#include <QIcon>

namespace gfx {

// One icon holding every size of the picture; the window system picks what it needs.
QIcon appIcon();

}  // namespace gfx
