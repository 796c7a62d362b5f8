#include "gfx/backends/headless/headless_backend.h"

#include "gfx/core/off_screen.h"
#include "gfx/render/png_writer.h"

namespace gfx {

void HeadlessBackend::waitForMessage(bool) {
    if (idle_) idle_(*this);
    if (!hasMessages()) post(Message::timer());
}

const PixelImage& HeadlessBackend::image() const {
    return offScreen().image();
}

bool HeadlessBackend::savePng(const std::string& path, std::string& error) const {
    return writePng(image(), path, error);
}

void HeadlessBackend::textAppended(const TextHistory& history) {
    if (keepLines_) lines_.push_back(history.newest());
}

bool HeadlessBackend::menuChecked(int id) const {
    auto it = checks_.find(id);
    return it != checks_.end() && it->second;
}

bool HeadlessBackend::runInputDialog(const std::string& prompt, std::string& reply) {
    lastPrompt_ = prompt;
    reply = answers_ ? answers_() : dialogReply_;
    return true;
}

std::time_t HeadlessBackend::calendarTime() {
    return calendarTime_ ? *calendarTime_ : std::time(nullptr);
}

}  // namespace gfx
