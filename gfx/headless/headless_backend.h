// A back end without windows: messages come from code, the timer fires as soon as
// the library would wait for it, and the image can be read or saved.
#pragma once

#include <ctime>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gfx/core/backend.h"
#include "gfx/qt/renderer.h"

namespace gfx {

class HeadlessBackend : public Backend {
public:
    // Called when the library would block with no message pending; it may post some.
    // Without one (or when it posts nothing) a timer message is posted.
    using IdleHandler = std::function<void(HeadlessBackend&)>;

    void post(const Message& m) { queue_.push_back(m); }
    void setIdleHandler(IdleHandler handler) { idle_ = std::move(handler); }
    void setCalendarTime(std::time_t t) { calendarTime_ = t; }
    void setDialogReply(std::string reply) { dialogReply_ = std::move(reply); }

    const QImage& image() const { return renderer_.image(); }
    bool menuChecked(int id) const;
    int imagesShown() const { return imagesShown_; }
    void setKeepLines(bool keep) { keepLines_ = keep; }
    bool textWindowShown() const { return textWindowShown_; }
    const std::string& lastDialogPrompt() const { return lastPrompt_; }
    std::size_t pending() const { return queue_.size(); }

    void open(int showMode, int& clientWidth, int& clientHeight) override;
    bool takeMessage(Message& message) override;
    void waitForMessage() override;
    void showImage() override { ++imagesShown_; }
    void render(const ShapeRecord& record, int centreX, int centreY) override;
    void clearImage() override { renderer_.clear(); }
    void setMenuCheck(int id, bool checked) override { checks_[id] = checked; }
    void textAppended(const std::string& line) override;
    // Every line written to the text window since the last take, oldest first.
    std::vector<std::string> takeLines() { return std::exchange(lines_, {}); }
    void showTextWindow() override { textWindowShown_ = true; }
    bool runInputDialog(const std::string& prompt, std::string& reply) override;
    std::time_t calendarTime() override;

private:
    Renderer renderer_;
    std::deque<Message> queue_;
    IdleHandler idle_;
    std::optional<std::time_t> calendarTime_;
    std::string dialogReply_;
    std::string lastPrompt_;
    std::map<int, bool> checks_;
    bool textWindowShown_ = false;
    int imagesShown_ = 0;
    bool keepLines_ = true;
    std::vector<std::string> lines_;
};

}  // namespace gfx
