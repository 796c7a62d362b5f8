// Who the program says it is (gfxSetIdentity): the titles of its windows and its icon.
// Without a word from the program they are the library's own, "DROVA Graphics",
// "DROVA Text" and "DROVA_gets", and the windows keep the icon their entry gave them.
#pragma once

#include <string>

namespace gfx {

struct Identity {
    std::string graphicsTitle;
    std::string textTitle;
    std::string dialogTitle;
    std::string iconPath;  // a picture file for the windows' icon; "" keeps the one they have
};

// The titles of a program of that name, each window's kind after the name as in the
// library's own ("NAME Graphics", "NAME Text", "NAME_gets"); an empty name is the
// library's, "DROVA".
Identity identityNamed(const std::string& name, const std::string& iconPath = "");

// The program's identity as it stands, and whether its icon could not be read.
struct IdentityState {
    Identity identity = identityNamed("");
    bool iconUnread = false;
};

// Tells the back end the identity before it opens its windows, which it makes with it,
// and reports an icon it could not read once they are open (gfxOpen calls them).
void identityBeforeOpening();
void identityAfterOpening();

}  // namespace gfx
