#include "gfx/qt/display_check.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace gfx {

namespace {

std::string connectionProblem(int error, const std::string& display) {
    switch (error) {
        case XCB_CONN_CLOSED_PARSE_ERR:
            return "DISPLAY '" + display + "' is not a display name";
        case XCB_CONN_CLOSED_INVALID_SCREEN:
            return "display " + display + " has no such screen";
        case XCB_CONN_CLOSED_MEM_INSUFFICIENT:
            return "out of memory while connecting to display " + display;
        case XCB_CONN_CLOSED_EXT_NOTSUPPORTED:
        case XCB_CONN_CLOSED_REQ_LEN_EXCEED:
            return "the X server on display " + display + " does not support this program";
        default:
            return "no X server answers on display " + display +
                   ", or it refused the connection (not running, unreachable or not authorized)";
    }
}

}  // namespace

bool displayAvailable(std::string& why) {
    // Another Qt platform chosen on purpose (offscreen, vnc, ...) is Qt's to check.
    if (const char* platform = std::getenv("QT_QPA_PLATFORM");
        platform && *platform && std::string_view(platform) != "xcb")
        return true;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        why = (wayland && *wayland)
                  ? "no X display: DISPLAY is not set, and this program needs X (XWayland)"
                  : "no display: DISPLAY is not set (run it from a desktop session)";
        return false;
    }
    int screen = 0;
    xcb_connection_t* c = xcb_connect(display, &screen);
    const int error = xcb_connection_has_error(c);
    xcb_disconnect(c);
    if (error != 0) {
        why = connectionProblem(error, display);
        return false;
    }
    return true;
}

}  // namespace gfx
