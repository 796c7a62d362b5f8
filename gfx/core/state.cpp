#include "gfx/core/state.h"

#include "gfx/core/library_reset.h"
#include "gfx/core/script.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/display.h"

namespace gfx {

namespace {
State theState;
ToolHooks theHooks;
}  // namespace

State& state() {
    return theState;
}

ToolHooks& toolHooks() {
    return theHooks;
}

void resetLibrary(std::unique_ptr<Backend> backend) {
    closeScriptStream();
    theState = State{};
    theHooks = ToolHooks{};
    Display::forgetForTesting();
    setBackend(std::move(backend));
}

}  // namespace gfx
