// The headless entry: a program that links it and defines appMain is its own replay tool.
#include "gfx/tools/runner/headless_runner.h"

int main(int argc, char** argv) {
    return gfx::runHeadlessProgram(argc, argv);
}
