#include "gfx/backends/qt/qt_runner.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "gfx/backends/qt/app_icon.h"
#include "gfx/backends/qt/display_check.h"
#include "gfx/backends/qt/ending_guard.h"
#include "gfx/backends/qt/qt_backend.h"
#include "gfx/core/opening.h"
#include "gfx/gfx.h"

int gfx::runQtProgram(int argc, char** argv) {
    std::string why;
    if (!gfx::displayAvailable(why)) {
        const std::string path = argc > 0 ? argv[0] : "";
        std::fprintf(stderr, "%s: cannot open its windows: %s\n",
                     path.substr(path.find_last_of('/') + 1).c_str(), why.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(gfx::appIcon());
    const gfx::EndingGuard guard;
    gfx::setBackend(std::make_unique<gfx::QtBackend>());
    gfxStoreStartup({nullptr, nullptr, argc > 1 ? argv[1] : "", 1});
    appMain();
    gfx::setBackend(nullptr);
    return 0;
}
