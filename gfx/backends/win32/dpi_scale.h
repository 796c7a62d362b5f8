// How many device pixels show one pixel of the picture at a screen's DPI. Only whole
// factors: the picture is drawn pixel for pixel, and a fraction would blur its lines
// or let a click land between two world points.
#pragma once

#include "gfx/core/client_area.h"

namespace gfx {

// The DPI at which one picture pixel is one device pixel.
inline constexpr int BaseDpi = 96;

// The largest whole factor not above dpi / 96, and never below 1: 1 at 96 and 144 DPI,
// 2 at 192, 3 at 288.
constexpr int pictureScale(int dpi) {
    const int factor = dpi / BaseDpi;
    return factor < 1 ? 1 : factor;
}

// The graphics window's client area at that scale, in device pixels.
constexpr int scaledClientWidth(int scale) {
    return ClientWidth * scale;
}
constexpr int scaledClientHeight(int scale) {
    return ClientHeight * scale;
}

// The picture pixel under a device pixel of the client area: every device pixel of a
// scaled picture pixel maps back to it.
constexpr int picturePixel(int devicePixel, int scale) {
    return devicePixel / scale;
}

}  // namespace gfx
