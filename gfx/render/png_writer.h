// Saves the image as a PNG file (8-bit RGB).
#pragma once

#include <string>

#include "gfx/render/pixel_image.h"

namespace gfx {

// Writes the image as a PNG; on any failure returns false with a one-line reason and
// leaves no file (and no truncated file) behind: the picture goes to a temporary file
// in the same directory, every write and the close are checked, and only then is it
// renamed over path. A path that names something other than a regular file (a device,
// a directory) is refused, so that nothing but a file is ever replaced.
bool writePng(const PixelImage& image, const std::string& path, std::string& error);

}  // namespace gfx
