// A fresh library with a Display in its own empty working directory, where the
// script file lives, and helpers that drive it the way a user would.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/core/menu_items.h"
#include "gfx/core/message.h"
#include "gfx/core/script.h"
#include "tests/support/headless_session.h"
#include "tests/support/scratch_folder.h"

struct Event {
    EventKind kind = EventKind::None;
    int x = 0;
    int y = 0;
    char key = 0;
    bool operator==(const Event&) const = default;
};

inline Event periodic() {
    return {EventKind::Periodic};
}
inline Event mouse(int x, int y) {
    return {EventKind::Mouse, x, y};
}
inline Event keyboard(char key) {
    return {EventKind::Keyboard, 0, 0, key};
}
inline Event quit() {
    return {EventKind::Quit};
}

inline void PrintTo(const Event& e, std::ostream* os) {
    *os << "{kind " << static_cast<int>(e.kind) << ", x " << e.x << ", y " << e.y << ", key "
        << static_cast<int>(static_cast<unsigned char>(e.key)) << "}";
}

// Changes into a new empty directory for the object's lifetime.
class ScriptTest : public ::testing::Test {
protected:
    ScriptTest() {
        session.backend().setIdleHandler([this](gfx::HeadlessBackend& b) {
            ++blocks;
            // Guards against a wait that nothing would end: the test sees Quit instead.
            if (blocks > 1000) b.post(gfx::Message::quit());
            if (clickWhenIdle) {
                // The tick first, so a periodic event that waits for it is not replaced.
                b.post(gfx::Message::timer());
                b.post(gfx::Message::leftClick(300, 250));
            }
        });
        session.takeLog();
    }

    gfx::HeadlessBackend& backend() { return session.backend(); }

    void post(const gfx::Message& m) { backend().post(m); }
    void command(int id) { post(gfx::Message::command(id)); }
    // The shortcut Ctrl+letter, as the keyboard delivers it.
    void ctrl(char letter) {
        post(gfx::Message::keyDown(gfx::KeyCode::Control));
        post(gfx::Message::keyDown(letter));
        post(gfx::Message::keyUp(gfx::KeyCode::Control));
    }
    // A left click at world (x, y) in a window whose origin is pixel (300, 250).
    void click(int x, int y) { post(gfx::Message::leftClick(300 + x, 250 - y)); }
    void type(int character) { post(gfx::Message::typed(character)); }

    Event await() {
        Event e;
        e.kind = display.awaitEvent(e.x, e.y, e.key);
        return e;
    }
    std::vector<Event> await(int count) {
        std::vector<Event> events;
        events.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) events.push_back(await());
        return events;
    }
    // n periodic events while animating, through the timer.
    std::vector<Event> ticks(int n) {
        display.setAnimation(AnimationMode::Animate);
        std::vector<Event> events = await(n);
        display.setAnimation(AnimationMode::Halt);
        return events;
    }

    static bool scriptExists() { return std::filesystem::exists(gfx::ScriptFileName); }
    static std::string readScript() {
        std::ifstream in(gfx::ScriptFileName, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void writeScript(const std::string& text) {
        std::ofstream(gfx::ScriptFileName, std::ios::binary) << text;
    }

    bool recordChecked() { return backend().menuChecked(gfx::MenuId::RecordScript); }
    bool playbackChecked() { return backend().menuChecked(gfx::MenuId::PlaybackScript); }

    TemporaryWorkingDirectory directory;  // first in, last out: the library closes inside it
    HeadlessSession session;
    Display display;
    int blocks = 0;              // waits that had to block for a message
    bool clickWhenIdle = false;  // a blocking wait gets a tick, then a click at the origin
};

inline const std::string EofMessage = "EOF encountered in script file DROVA.SCR\n";
