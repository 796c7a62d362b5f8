// What only tools and tests ask of the library: none of it changes the program's behaviour.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "gfx/core/script.h"
#include "gfx/event_kind.h"

namespace gfx {

struct ShapeRecord;

struct ToolHooks {
    // Also write every text-window line to standard output.
    bool echoText = false;
    // Told of every event the wait returns, with its values (tools that stop a run after
    // so many ticks, or log the events).
    std::function<void(EventKind kind, int x, int y, char key)> eventObserver;
    // Told of every shape record before it is drawn (benchmarks that replay a frame).
    std::function<void(const ShapeRecord& record)> shapeObserver;
    // Recording and playback use this file instead of "DROVA.SCR".
    std::string scriptFileName = ScriptFileName;
    // Open the script instead of the file system (the fuzzer keeps it in memory): a
    // stream to read, a file descriptor to write whole lines to.
    std::function<std::FILE*()> openScriptForReading;
    std::function<int()> openScriptForWriting;
};

ToolHooks& toolHooks();

// Nothing is scheduled: no animation, no frame asked for or waiting for its tick, no
// script playing. Without a
// new message the run would wait for the user (a headless run is over).
bool nothingScheduled();

}  // namespace gfx
