#include "gfx/core/state.h"

namespace gfx {

namespace {
State theState;
}

State& state() {
    return theState;
}

void resetState() {
    if (theState.scriptFile) std::fclose(theState.scriptFile);
    theState = State{};
}

}  // namespace gfx
