// The headless back end: the library without any window system. It is the test double
// of the library's and the model's tests, and the back end of the headless runner
// (town-replay), the benchmarks and the fuzz targets. A new back end starts from
// gfx/backends/template instead.
//
// Platform: none. Messages come from code (tests) or from a script, the timer fires as
// soon as the library would wait for it, the off-screen image can be read or saved, and
// the text window is a list of lines.
// Cannot: show anything or take input from a person; its calendar time can be fixed, so
// a run can be repeated exactly.
// Depends on: the library core and the renderer only.
#pragma once

#include <ctime>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gfx/core/backend.h"

namespace gfx {

class HeadlessBackend : public Backend {
public:
    // Called when the library would block with no message pending; it may post some.
    // Without one (or when it posts nothing) a timer message is posted.
    using IdleHandler = std::function<void(HeadlessBackend&)>;
    // Gives the input dialog's next answer; without one, every answer is the reply set
    // by setDialogReply (empty unless set).
    using AnswerSource = std::function<std::string()>;

    using Backend::post;  // tests and tools drive the library through the FIFO
    void setIdleHandler(IdleHandler handler) { idle_ = std::move(handler); }
    void setCalendarTime(std::time_t t) { calendarTime_ = t; }
    void setDialogReply(std::string reply) { dialogReply_ = std::move(reply); }
    void setAnswerSource(AnswerSource source) { answers_ = std::move(source); }

    // The library's off-screen image, as the graphics window would show it.
    const PixelImage& image() const;
    // Writes it as a PNG file; false with a one-line reason when that fails.
    bool savePng(const std::string& path, std::string& error) const;
    bool menuChecked(int id) const;
    int imagesShown() const { return imagesShown_; }
    void setKeepLines(bool keep) { keepLines_ = keep; }
    bool textWindowShown() const { return textWindowShown_; }
    const std::string& lastDialogPrompt() const { return lastPrompt_; }
    // What the program said it is; it has no windows to show it, nor an icon to read.
    const Identity& identity() const { return identity_; }
    bool setIdentity(const Identity& identity) override {
        identity_ = identity;
        return true;
    }
    void open(int) override {}
    void waitForMessage(bool tickAwaited) override;
    void present(const PixelImage&) override { ++imagesShown_; }
    void setMenuCheck(int id, bool checked) override { checks_[id] = checked; }
    void textAppended(const TextHistory& history) override;
    // Every line written to the text window since the last take, oldest first.
    std::vector<std::string> takeLines() { return std::exchange(lines_, {}); }
    void showTextWindow() override { textWindowShown_ = true; }
    bool runInputDialog(const std::string& prompt, std::string& reply) override;
    std::time_t calendarTime() override;

private:
    IdleHandler idle_;
    std::optional<std::time_t> calendarTime_;
    std::string dialogReply_;
    AnswerSource answers_;
    std::string lastPrompt_;
    Identity identity_ = identityNamed("");
    std::map<int, bool> checks_;
    bool textWindowShown_ = false;
    int imagesShown_ = 0;
    bool keepLines_ = true;
    std::vector<std::string> lines_;
};

}  // namespace gfx
