// gfxSetIdentity: the program's name in its windows' titles, and its icon.
#include "gfx/core/identity.h"

#include "gfx/core/backend.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"

namespace gfx {

namespace {

constexpr const char* LibraryName = "DROVA";

// The back end takes the identity; false when it could not read the icon.
void tellBackend() {
    IdentityState& s = state().identity;
    Backend* b = backend();
    s.iconUnread = b && !b->setIdentity(s.identity);
}

void reportUnreadIcon() {
    const IdentityState& s = state().identity;
    if (s.iconUnread) gfxPrintf("Cannot read icon file %s\n", s.identity.iconPath.c_str());
}

}  // namespace

Identity identityNamed(const std::string& name, const std::string& iconPath) {
    const std::string n = name.empty() ? LibraryName : name;
    return {n + " Graphics", n + " Text", n + "_gets", iconPath};
}

void identityBeforeOpening() {
    tellBackend();
}

void identityAfterOpening() {
    reportUnreadIcon();
}

}  // namespace gfx

using namespace gfx;

int gfxSetIdentity(const char* name, const char* iconPath) {
    state().identity.identity = identityNamed(name ? name : "", iconPath ? iconPath : "");
    tellBackend();
    // Before the windows open, gfxOpen reports it, where it can be seen.
    if (state().window.open) reportUnreadIcon();
    return state().identity.iconUnread ? 0 : 1;
}
