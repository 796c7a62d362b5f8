#include "gfx/core/text_history.h"

namespace gfx {

void TextHistory::add(std::string_view line) {
    if (first_ == next_) {
        // Full: the oldest line makes room.
        slots_[first_].clear();
        first_ = (first_ + 1) % Capacity;
    }
    slots_[next_].assign(line);  // reuses the slot's storage: no allocation per line
    if (first_ == -1) first_ = next_;
    next_ = (next_ + 1) % Capacity;
}

std::vector<std::string> TextHistory::lines() const {
    std::vector<std::string> out;
    if (first_ == -1) return out;
    int i = first_;
    do {
        out.push_back(slots_[i]);
        i = (i + 1) % Capacity;
    } while (i != next_);
    return out;
}

void TextHistory::clear() {
    for (auto& s : slots_) s.clear();
    first_ = -1;
    next_ = 0;
}

}  // namespace gfx
