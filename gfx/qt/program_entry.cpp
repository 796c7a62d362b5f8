// The program entry: checks for a display, starts Qt, installs the Qt back end and
// runs the application.
#include <sys/stat.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "gfx/gfx.h"
#include "gfx/qt/app_icon.h"
#include "gfx/qt/qt_backend.h"

namespace {

// Tells in one line why no window can be opened, instead of letting Qt abort.
bool displayAvailable(std::string& why) {
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"); platform && *platform) return true;
    if (const char* wayland = std::getenv("WAYLAND_DISPLAY"); wayland && *wayland) return true;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        why = "no display: DISPLAY is not set (run it from a desktop session)";
        return false;
    }
    // A local display ":N" has its socket in /tmp/.X11-unix.
    if (display[0] == ':') {
        std::string number(display + 1);
        number = number.substr(0, number.find('.'));
        struct stat st {};
        if (stat(("/tmp/.X11-unix/X" + number).c_str(), &st) != 0) {
            why = std::string("no X server is running on display ") + display;
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::string why;
    if (!displayAvailable(why)) {
        std::fprintf(stderr, "town: cannot open its windows: %s\n", why.c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(gfx::appIcon());
    gfx::setBackend(std::make_unique<gfx::QtBackend>());
    gfxStoreStartup({nullptr, nullptr, argc > 1 ? argv[1] : "", 1});
    appMain();
    gfx::setBackend(nullptr);
    return 0;
}
