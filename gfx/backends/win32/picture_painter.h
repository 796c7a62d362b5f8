// Copies the off-screen image into the graphics window: its top left ClientWidth x
// ClientHeight pixels, each shown as scale x scale device pixels.
#pragma once

#include "gfx/backends/win32/windows_api.h"
#include "gfx/render/pixel_image.h"

namespace gfx {

// The image is read in place as a top-down 32-bit DIB: an Xrgb32 pixel, 0xFFRRGGBB in
// a little-endian word, is the blue, green, red and unused bytes such a DIB holds.
void paintPicture(HDC dc, const PixelImage& image, int scale);

}  // namespace gfx
