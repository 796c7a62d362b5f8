#include "gfx/headless/headless_backend.h"

namespace gfx {

void HeadlessBackend::waitForMessage() {
    if (idle_) idle_(*this);
    if (!hasMessages()) post({MessageKind::Timer});
}

void HeadlessBackend::render(const ShapeRecord& record, int centreX, int centreY) {
    renderer_.render(record, centreX, centreY);
}

void HeadlessBackend::textAppended(const std::string& line) {
    if (keepLines_) lines_.push_back(line);
}

bool HeadlessBackend::menuChecked(int id) const {
    auto it = checks_.find(id);
    return it != checks_.end() && it->second;
}

bool HeadlessBackend::runInputDialog(const std::string& prompt, std::string& reply) {
    lastPrompt_ = prompt;
    reply = dialogReply_;
    return true;
}

std::time_t HeadlessBackend::calendarTime() {
    return calendarTime_ ? *calendarTime_ : std::time(nullptr);
}

}  // namespace gfx
