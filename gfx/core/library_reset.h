// A fresh library, as at process start: for tests and tools that run it more than once.
#pragma once

#include <memory>

#include "gfx/core/backend.h"

namespace gfx {

// Closes any script stream, forgets the state (the one Display's too) and the tool hooks, and
// installs backend (none: no back end).
void resetLibrary(std::unique_ptr<Backend> backend = nullptr);

// The same, with a back end of type B made here; returns it for the caller to drive.
template <class B, class... Args>
B& resetLibraryWith(Args&&... args) {
    auto owned = std::make_unique<B>(std::forward<Args>(args)...);
    B& b = *owned;
    resetLibrary(std::move(owned));
    return b;
}

}  // namespace gfx
