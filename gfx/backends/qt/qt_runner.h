// Runs the application on the desktop: checks for a display, starts Qt, installs the
// Qt back end and calls appMain. Returns the process's exit status.
#pragma once

namespace gfx {

int runQtProgram(int argc, char** argv);

}  // namespace gfx
