// The library's one process-wide state, grouped by concern.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "gfx/core/client_area.h"
#include "gfx/core/identity.h"
#include "gfx/core/off_screen.h"
#include "gfx/core/text_history.h"
#include "gfx/event_kind.h"

namespace gfx {

struct WindowState {
    bool displayMade = false;              // a Display was constructed: a second one is refused
    bool open = false;                     // the graphics window exists
    std::unique_ptr<OffScreen> offScreen;  // made on first use
    int centreX = OriginX;                 // the world origin in client pixels
    int centreY = OriginY;
    bool imageDirty = true;  // the off-screen image holds drawing the window has not shown
};

struct InputState {
    EventKind pendingKind = EventKind::None;  // the event being assembled
    int eventX = 0;
    int eventY = 0;
    char eventKey = 0;
    bool ctrlDown = false;
};

struct AnimationState {
    bool animating = false;
    // Single frames asked for and not yet armed: each Ctrl+F while halted is one more.
    int framesRequested = 0;
    // The pending periodic event was armed by the animation, not for a requested frame.
    bool armedByAnimation = false;
    bool quitRequested = false;
    bool timerFired = false;  // a tick came since the pending periodic event was armed
};

struct ScriptState {
    bool recording = false;
    bool playingBack = false;
    bool playOnePending = false;
    int periodicRun = 0;
    // The one script stream, open one way at most, so it is never read while open for
    // writing.
    std::FILE* reader = nullptr;  // while playing back
    int writer = -1;              // while recording: each line is written through at once
    long long written = 0;        // bytes of whole lines in the file being written
    std::string line;             // the line being read
};

struct LogState {
    bool loggingOn = true;
    TextHistory history;
};

struct State {
    WindowState window;
    InputState input;
    AnimationState animation;
    ScriptState script;
    LogState log;
    IdentityState identity;
};

State& state();

}  // namespace gfx
