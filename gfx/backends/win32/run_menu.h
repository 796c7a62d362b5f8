// The graphics window's menu bar: the one "&Run" menu, made from the library's table.
#pragma once

#include "gfx/backends/win32/windows_api.h"

namespace gfx {

// Separators, check marks as the table starts them and greyed items disabled; each
// item's command identifier is its MenuId. The window it is given to destroys it.
HMENU makeRunMenuBar();

void setRunMenuCheck(HMENU menuBar, int id, bool checked);

}  // namespace gfx
