// The headless runner: appMain on the headless back end, driven by the command line
// (seed, ticks, script, log, PNG and GIF), as fast as the machine allows. Every program
// linked with the headless entry is its own replay tool.
#pragma once

#include "gfx/tools/runner/replay_options.h"

namespace gfx {

// Runs the program as the arguments ask and returns the process's exit status: 0 after
// the run, 2 with one line on standard error for a bad argument or a file that cannot
// be read or written. The texts' name is replaced by the one the program was started by.
int runHeadlessProgram(int argc, char** argv, ReplayTexts texts = {});

}  // namespace gfx
