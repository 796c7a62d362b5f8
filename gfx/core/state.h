// The library's one process-wide state.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "gfx/core/text_history.h"

namespace gfx {

// Which way the one script stream is open, so it is never read while open for writing.
enum class ScriptStream { Closed, Writing, Reading };

struct State {
    bool open = false;  // the graphics window exists
    bool animating = false;
    bool stepPending = false;
    bool quitRequested = false;
    int pendingKind = -1;
    int eventX = 0;
    int eventY = 0;
    char eventKey = 0;
    bool timerFired = false;
    bool ctrlDown = false;
    int centreX = 300;
    int centreY = 250;
    bool imageDirty = true;
    bool loggingOn = true;

    bool recording = false;
    bool playingBack = false;
    bool playOnePending = false;
    int periodicRun = 0;
    std::FILE* scriptFile = nullptr;
    ScriptStream scriptStream = ScriptStream::Closed;
    std::string scriptFileName = "DROVA.SCR";  // only tools name another file

    TextHistory history;
    bool echoText = false;  // also write every text-window line to standard output
    // Told of every event the wait returns (tools that stop a run after so many ticks).
    std::function<void(int kind)> eventObserver;
};

State& state();
// Forgets everything: a fresh library, as at process start (for tests and tools).
void resetState();

}  // namespace gfx
