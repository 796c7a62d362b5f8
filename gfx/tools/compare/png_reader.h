// Reads a PNG file whole, with a clear reason for a file that is not a complete PNG.
#pragma once

#include <cstddef>
#include <string>

#include "gfx/tools/compare/picture.h"

namespace gfx {

// A runner's PNG is under a megabyte; far larger files are refused unread.
inline constexpr std::size_t MaxPngBytes = std::size_t{64} << 20;

// The PNG at path as 0xAARRGGBB pixels; on failure returns false and says why,
// naming the file.
bool readPng(const std::string& path, Picture& picture, std::string& error);

}  // namespace gfx
