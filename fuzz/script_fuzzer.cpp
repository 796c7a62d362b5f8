// Fuzz entry of the script player: the input is played back as the script, read from
// memory, to its end (bounded). The events that came out are then recorded, into a
// file in memory, and the recording must play back as exactly the same events.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "gfx/backends/headless/headless_backend.h"
#include "gfx/core/library_reset.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/opening.h"
#include "gfx/core/script.h"
#include "gfx/core/state.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/gfx.h"

namespace {

using gfx::EventKind;

// Bounds a periodic line of up to INT_MAX events; far more than a short input's lines.
constexpr std::size_t MaxEvents = 256;

struct Event {
    EventKind kind = EventKind::None;
    int x = 0;
    int y = 0;
    char key = 0;
    bool operator==(const Event&) const = default;
};

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "script fuzz check failed: %s\n", what);
    std::abort();
}

// A library on the headless back end where nobody is there to click: a wait that has
// nothing left ends the run.
gfx::HeadlessBackend& openFreshLibrary() {
    gfx::HeadlessBackend& b = gfx::resetLibraryWith<gfx::HeadlessBackend>();
    b.setCalendarTime(0);
    b.setIdleHandler([](gfx::HeadlessBackend& h) { h.post(gfx::Message::quit()); });
    gfxOpen(nullptr, nullptr, "", 1);
    b.takeLines();
    return b;
}

// Plays the input back from memory: no file system between the fuzzer and the reader.
void readScriptFrom(const std::uint8_t* data, std::size_t size) {
    gfx::toolHooks().openScriptForReading = [data, size] {
        // An empty buffer cannot be opened as a stream; an empty file reads the same.
        if (size == 0) return std::fopen("/dev/null", "r");
        return fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    };
}

// Records into a file in memory and plays the recording back from it.
void recordInMemory() {
    static const int file = memfd_create("DROVA.SCR", MFD_CLOEXEC);
    gfx::ToolHooks& hooks = gfx::toolHooks();
    hooks.openScriptForWriting = [] {
        if (ftruncate(file, 0) != 0) return -1;
        lseek(file, 0, SEEK_SET);
        return dup(file);
    };
    hooks.openScriptForReading = [] {
        lseek(file, 0, SEEK_SET);
        const int fd = dup(file);
        std::FILE* f = fd < 0 ? nullptr : fdopen(fd, "r");
        if (!f && fd >= 0) close(fd);
        return f;
    };
}

// Switches playback on from the menu and takes events until a wait finds the script
// ended (the back end then quits) or the bound is reached.
std::vector<Event> playBack(gfx::HeadlessBackend& b, std::size_t bound) {
    b.post(gfx::Message::command(gfx::MenuId::PlaybackScript));
    std::vector<Event> events;
    while (events.size() < bound) {
        Event e;
        e.kind = gfxAwaitEvent(e.x, e.y, e.key);
        if (e.kind == EventKind::Quit) {
            check(!gfx::state().script.playingBack, "quit while the script still plays");
            check(!b.menuChecked(gfx::MenuId::PlaybackScript), "check mark left on");
            break;
        }
        check(e.kind == EventKind::Mouse || e.kind == EventKind::Keyboard ||
                  e.kind == EventKind::Periodic,
              "a scripted event of no known kind");
        check(e.kind == EventKind::Mouse || (e.x == 0 && e.y == 0),
              "a position on an event without one");
        check(e.kind == EventKind::Keyboard || e.key == 0, "a key on an event without one");
        events.push_back(e);
    }
    return events;
}

void record(const std::vector<Event>& events) {
    gfx::toggleRecording();
    check(!gfx::state().script.playingBack, "recording while playing back");
    for (const Event& e : events) gfx::recordEvent(e.kind, e.x, e.y, e.key);
    gfx::toggleRecording();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gfx::HeadlessBackend& b = openFreshLibrary();
    readScriptFrom(data, size);

    const std::vector<Event> played = playBack(b, MaxEvents);
    const std::string eof = "EOF encountered in script file DROVA.SCR\n";
    std::vector<std::string> lines = b.takeLines();
    check(lines.empty() || (lines.size() == 1 && lines[0] == eof),
          "a message other than one end of the script");

    if (!played.empty()) {
        recordInMemory();
        record(played);
        check(playBack(b, played.size() + 1) == played, "the recording plays back differently");
        lines = b.takeLines();
        check(lines.size() == 1 && lines.back() == eof,
              "the recording does not end with the end of the script");
    }

    gfxClose();
    gfx::resetLibrary();
    return 0;
}
