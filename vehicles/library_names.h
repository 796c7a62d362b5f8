// The graphics library's names as the town writes them. The library keeps its types in
// namespace gfx, out of the way of other libraries a program may use; the town, which
// uses no other, takes in the names it draws and waits with.
#pragma once

#include "gfx/display.h"
#include "gfx/palette.h"

using gfx::AnimationMode;
using gfx::ColorIndex;
using gfx::Display;
using gfx::EventKind;
namespace palette = gfx::palette;
