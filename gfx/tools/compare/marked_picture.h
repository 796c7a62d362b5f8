// The picture of two runs side by side with the pixels where they differ marked.
#pragma once

#include <string>

#include "gfx/render/pixel_image.h"
#include "gfx/tools/compare/picture.h"

namespace gfx {

// The first run on the left, the second on the right, a strip of 50% gray between.
// On both sides every pixel that differs is magenta, and a magenta frame surrounds the
// rectangle that holds them, a few pixels out, so that one pixel is found at a glance.
// The pictures are of one size.
PixelImage markedPicture(const Picture& a, const Picture& b);

// The marked picture as a PNG file, replaced only when complete.
bool writeMarkedPicture(const Picture& a, const Picture& b, const std::string& path,
                        std::string& error);

// How far the pictures stand apart and their frame stands out.
inline constexpr int MarkedGap = 8;
inline constexpr int MarkFrameMargin = 3;

}  // namespace gfx
