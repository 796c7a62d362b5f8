// The one FIFO through which every window message reaches the library, so no input is lost.
#pragma once

#include <deque>

#include "gfx/core/message.h"

namespace gfx {

class MessageQueue {
public:
    void post(const Message& m) { queue_.push_back(m); }
    bool take(Message& m) {
        if (queue_.empty()) return false;
        m = queue_.front();
        queue_.pop_front();
        return true;
    }
    bool empty() const { return queue_.empty(); }

private:
    std::deque<Message> queue_;
};

}  // namespace gfx
