// Where the Win32 windows hand their messages: the back end's one FIFO.
#pragma once

#include <functional>

#include "gfx/core/message.h"

namespace gfx {

using MessageSink = std::function<void(const Message&)>;

}  // namespace gfx
