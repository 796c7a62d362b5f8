// A back end with no window system at all, so the fuzz target needs only gfx_core:
// messages come from a queue, a wait that would block gets the quit request, and
// the text window is a list of lines.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "gfx/core/backend.h"

namespace gfx {

class SilentBackend : public Backend {
public:
    using Backend::post;
    bool menuChecked(int id) const { return checks_.count(id) != 0 && checks_.at(id); }
    const std::vector<std::string>& lines() const { return lines_; }

    void open(int) override {}
    // Nobody is there to click: a wait that has nothing left ends the run.
    void waitForMessage() override { post({MessageKind::Quit}); }
    void showImage() override {}
    void render(const ShapeRecord&, int, int) override {}
    void clearImage() override {}
    void setMenuCheck(int id, bool checked) override { checks_[id] = checked; }
    void textAppended(const std::string& line) override { lines_.push_back(line); }
    void showTextWindow() override {}
    bool runInputDialog(const std::string&, std::string&) override { return false; }
    std::time_t calendarTime() override { return 0; }

private:
    std::map<int, bool> checks_;
    std::vector<std::string> lines_;
};

}  // namespace gfx
