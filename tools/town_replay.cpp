// town-replay: the town on the headless runner, whose usage says what it runs.
#include "gfx/tools/runner/headless_runner.h"

int main(int argc, char** argv) {
    return gfx::runHeadlessProgram(
        argc, argv, {.summary = "Runs the town without windows, as fast as the machine allows."});
}
