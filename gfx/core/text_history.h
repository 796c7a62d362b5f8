// The last 25 lines written to the text window, oldest first.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace gfx {

class TextHistory {
public:
    static constexpr int Capacity = 25;

    void add(std::string_view line);
    std::vector<std::string> lines() const;  // oldest first
    const std::string& newest() const { return slots_[(next_ + Capacity - 1) % Capacity]; }
    int first() const { return first_; }  // -1 while nothing is stored
    int next() const { return next_; }
    void clear();

private:
    std::array<std::string, Capacity> slots_;
    int first_ = -1;
    int next_ = 0;
};

}  // namespace gfx
