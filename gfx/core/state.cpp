#include "gfx/core/state.h"

#include "gfx/core/library_reset.h"
#include "gfx/core/script.h"
#include "gfx/core/tool_hooks.h"

namespace gfx {

namespace {
State theState;
ToolHooks theHooks;
}  // namespace

State& state() {
    return theState;
}

OffScreen& offScreen() {
    std::unique_ptr<OffScreen>& o = theState.window.offScreen;
    if (!o) {
        const Backend* b = backend();
        o = std::make_unique<OffScreen>(b ? b->pixelFormat() : PixelFormat::Xrgb32);
    }
    return *o;
}

ToolHooks& toolHooks() {
    return theHooks;
}

bool nothingScheduled() {
    const AnimationState& a = theState.animation;
    const ScriptState& sc = theState.script;
    // A frame asked for is armed before its tick comes: it is still to happen.
    const bool frameArmed = theState.input.pendingKind == EventKind::Periodic;
    return !a.animating && a.framesRequested == 0 && !frameArmed && !sc.playingBack &&
           !sc.playOnePending;
}

void resetLibrary(std::unique_ptr<Backend> backend) {
    closeScriptStream();
    theState = State{};
    theHooks = ToolHooks{};
    setBackend(std::move(backend));
}

}  // namespace gfx
