// The town program: the desktop runner opens the windows and runs appMain.
#include "gfx/qt/qt_runner.h"

int main(int argc, char** argv) {
    return gfx::runQtProgram(argc, argv);
}
