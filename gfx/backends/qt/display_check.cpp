#include "gfx/backends/qt/display_check.h"

#include <fcntl.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace gfx {

namespace {

// The X library writes a refusing server's reason to standard error itself; catch it
// so that it can become part of the one line.
class StderrCatcher {
public:
    StderrCatcher() {
        if (pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
        saved_ = dup(STDERR_FILENO);
        dup2(pipe_[1], STDERR_FILENO);
    }
    ~StderrCatcher() {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        close(pipe_[0]);
        close(pipe_[1]);
    }
    std::string caught() const {
        std::string text;
        char buffer[256];
        ssize_t n;
        while (saved_ >= 0 && (n = read(pipe_[0], buffer, sizeof buffer)) > 0)
            text.append(buffer, n);
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        for (char& c : text)
            if (c == '\n') c = ' ';
        return text;
    }

private:
    int pipe_[2] = {-1, -1};
    int saved_ = -1;
};

// An X display name ends in ":DISPLAY" or ":DISPLAY.SCREEN", whatever host or
// protocol stands before it.
bool hasDisplayNameForm(std::string_view display) {
    const auto colon = display.rfind(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view number = display.substr(colon + 1);
    const auto dot = number.find('.');
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return dot == std::string_view::npos
               ? digits(number)
               : digits(number.substr(0, dot)) && digits(number.substr(dot + 1));
}

std::string connectionProblem(int error, const std::string& display, const std::string& reason) {
    if (!reason.empty())
        return "the X server on display " + display + " refused the connection: " + reason;
    // The X library of Debian 13 refuses some names that earlier ones took ("unix:99"),
    // and no server can be reached by them: for the user that is a display that does
    // not answer, not a name that is no display name at all.
    if (error == XCB_CONN_CLOSED_PARSE_ERR && hasDisplayNameForm(display)) error = XCB_CONN_ERROR;
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
    std::string reason;
    int error = 0;
    {
        const StderrCatcher catcher;
        xcb_connection_t* c = xcb_connect(display, &screen);
        error = xcb_connection_has_error(c);
        xcb_disconnect(c);
        reason = catcher.caught();
    }
    if (error != 0) {
        why = connectionProblem(error, display, reason);
        return false;
    }
    return true;
}

}  // namespace gfx
