// The desktop entry: a program that links it and defines appMain gets the windows, the
// menu and the text window.
#include "gfx/backends/qt/qt_runner.h"

int main(int argc, char** argv) {
    return gfx::runQtProgram(argc, argv);
}
