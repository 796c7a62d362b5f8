// Keeps a recording when the program ends by other means than Quit: the user's session
// ending (log-off, shutdown), which ends the process without returning, and exit()
// called from anywhere.
#pragma once

namespace gfx {

class EndingGuard {
public:
    // Writes what the recording still counts at exit() from now on.
    EndingGuard();

    // The session ends: the recording is written and closed, and the process ends.
    [[noreturn]] static void endWithSession();
};

}  // namespace gfx
