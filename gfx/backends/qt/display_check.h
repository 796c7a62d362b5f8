// Whether the program can open its windows, decided by trying to connect, so that
// a missing or unusable display gives one clear line instead of Qt's abort.
#pragma once

#include <string>

namespace gfx {

// True when Qt can be started; otherwise why holds a one-line reason.
bool displayAvailable(std::string& why);

}  // namespace gfx
