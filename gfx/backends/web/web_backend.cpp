#include "gfx/backends/web/web_backend.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "gfx/backends/web/page_bridge.h"
#include "gfx/core/client_area.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/script.h"

namespace gfx {

namespace {

// The numbers the page needs, by name, from the library's own definitions: the page
// holds none of its own (page/messages.js).
std::string wireJson() {
    std::string json;
    auto group = [&json](const char* name,
                         std::initializer_list<std::pair<const char*, int>> values) {
        json += json.empty() ? "{" : ",";
        json += std::string("\"") + name + "\":{";
        const char* comma = "";
        for (const auto& [key, value] : values) {
            json += std::string(comma) + "\"" + key + "\":" + std::to_string(value);
            comma = ",";
        }
        json += "}";
    };
    auto kind = [](MessageKind k) { return static_cast<int>(k); };
    group("Message", {{"Timer", kind(MessageKind::Timer)},
                      {"LeftClick", kind(MessageKind::LeftClick)},
                      {"KeyDown", kind(MessageKind::KeyDown)},
                      {"KeyUp", kind(MessageKind::KeyUp)},
                      {"Character", kind(MessageKind::Character)},
                      {"Command", kind(MessageKind::Command)},
                      {"Size", kind(MessageKind::Size)},
                      {"Quit", kind(MessageKind::Quit)}});
    group("KeyCode", {{"Control", KeyCode::Control}, {"Other", KeyCode::Other}});
    group("MenuId", {{"Animate", MenuId::Animate},
                     {"Halt", MenuId::Halt},
                     {"AdvanceFrame", MenuId::AdvanceFrame},
                     {"Logging", MenuId::Logging},
                     {"RecordScript", MenuId::RecordScript},
                     {"PlaybackScript", MenuId::PlaybackScript},
                     {"PlayOne", MenuId::PlayOne},
                     {"Quit", MenuId::Quit}});
    return json + "}";
}

}  // namespace

void WebBackend::open(int) {
    // The page is the window: there is nothing to hide, so the show mode is not used.
    page::defineWire(wireJson());
    // Each item's label and shortcut letter cross once; the page shows the shortcut.
    for (const MenuItem& item : runMenuItems()) page::addMenuItem(RunMenuTitle, item);
    page::open(TextHistory::Capacity, TickMilliseconds);
}

// A suspending call (the page's wait, its yield, its dialog) may only be made where
// every frame on the stack is instrumented by Asyncify. The program is linked with
// -sASYNCIFY_IGNORE_INDIRECT, so a virtual call is never such a frame unless its caller
// is named in -sASYNCIFY_ADD (gfx/backends/web/CMakeLists.txt): the functions below that suspend
// therefore make no virtual call, and each is reached only through a named caller.

// Reached through Backend::take, which is named, so it may suspend.
void WebBackend::poll() {
    // The first take: the first frame shows while the page puts the stored script in
    // place, and no event is taken before it is there (a playback at once reads it).
    if (!scriptInPlace_) {
        showIfDirty();
        page::awaitStorage();
        scriptInPlace_ = true;
    }
    // A pass that does not block (playback, a quick animation) must still let the
    // browser run often: it paints what was presented and delivers the keys that stop
    // playback or end the program.
    if (page::sliceOver()) page::yieldToBrowser();
    takePageEvents();
}

void WebBackend::takePageEvents() {
    // A failed save is reported as the library reports a failed write, once each.
    for (int n = page::takeSaveFailures(); n > 0; --n) reportScriptWriteFailure();
    Message m;
    while (page::takeEvent(m)) post(m);
}

// Reached through pumpPass, which is named. It suspends in the page's wait, so it
// takes the events itself: poll() would be a virtual call that suspends whenever the
// wait outlasted a slice, and this frame would not know that it is unwinding.
void WebBackend::waitForMessage(bool tickAwaited) {
    // A tick matters only to a periodic event that waits for it; any other wait is
    // for the user, and ticks meanwhile would only wake the page for nothing.
    while (!hasMessages()) {
        page::waitForEvent(tickAwaited);
        takePageEvents();
    }
}

void WebBackend::present(const PixelImage& image) {
    // The top 501 rows are the client area; the image's last rows are never shown.
    page::present(image.data(), ClientWidth, ClientHeight);
}

void WebBackend::setMenuCheck(int id, bool checked) {
    page::setMenuCheck(id, checked);
}

bool WebBackend::setIdentity(const Identity& identity) {
    page::setTitles(identity.graphicsTitle, identity.textTitle, identity.dialogTitle);
    return true;
}

void WebBackend::textAppended(const TextHistory& history) {
    const std::string& line = history.newest();
    // The panel keeps the newest lines itself and draws them at the page's next turn.
    page::appendText(line.data(), static_cast<int>(line.size()));
}

void WebBackend::showTextWindow() {
    // The panel is part of the page and always shown: nothing to do.
}

bool WebBackend::runInputDialog(const std::string& prompt, std::string& reply) {
    auto text = page::runDialog(prompt);
    if (!text) return false;
    reply = *text;
    return true;
}

std::time_t WebBackend::calendarTime() {
    return static_cast<std::time_t>(page::calendarTime());
}

bool WebBackend::mayWriteScript() {
    return page::mayWriteScript();
}

void WebBackend::scriptChanged(ScriptChange change) {
    switch (change) {
        case ScriptChange::Opened:
            page::scriptChanged("opened");
            break;
        case ScriptChange::LineWritten:
            page::scriptChanged("written");
            break;
        case ScriptChange::Closed:
            page::scriptChanged("closed");
            break;
    }
}

}  // namespace gfx
