// The graphics window's fixed geometry and pace, which the core, the facade, every back
// end and the tools that make pictures of a run share.
#pragma once

#include "gfx/render/pixel_image.h"

namespace gfx {

// The application's drawing area in world units, centred on the world origin.
inline constexpr int DrawingWidth = 600;
inline constexpr int DrawingHeight = 500;

// The graphics window's client area: one pixel more each way, so that the whole drawing
// area shows, the edges at +300 and +250 included.
inline constexpr int ClientWidth = DrawingWidth + 1;
inline constexpr int ClientHeight = DrawingHeight + 1;
// The world origin in client pixels: the integer centre of the client rectangle.
inline constexpr int OriginX = ClientWidth / 2;
inline constexpr int OriginY = ClientHeight / 2;

// The client area shows the top left of the off-screen image.
static_assert(ClientWidth <= PixelImage::Width && ClientHeight <= PixelImage::Height);

// The timer's period: one periodic event each tick while animating.
inline constexpr int TickMilliseconds = 100;

}  // namespace gfx
