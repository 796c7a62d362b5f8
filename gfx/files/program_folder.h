// Files that go with the program rather than with the system: on Windows the font lies
// beside the executable, wherever it was unpacked or installed.
#pragma once

#include <string>

namespace gfx {

// path as it is when absolute; otherwise the same path in the running program's folder
// (on Windows; elsewhere the files a program needs lie at fixed places and path is kept).
std::string besideProgram(const std::string& path);

}  // namespace gfx
