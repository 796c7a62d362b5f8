// A fresh library on the headless back end for one test: no windows, logging
// captured line by line, the timer firing whenever the library would wait.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gfx/backends/headless/headless_backend.h"
#include "gfx/core/library_reset.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"
#include "vehicles/library_names.h"

class HeadlessSession {
public:
    HeadlessSession() : backend_(&gfx::resetLibraryWith<gfx::HeadlessBackend>()) {
        backend_->setCalendarTime(1000);
    }
    ~HeadlessSession() { gfx::resetLibrary(); }
    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    gfx::HeadlessBackend& backend() { return *backend_; }
    // The text-window lines written since the last call.
    std::vector<std::string> takeLog() { return backend_->takeLines(); }

private:
    gfx::HeadlessBackend* backend_;
};

// A Display on a fresh headless library with the drawing log switched on and emptied.
class LoggedDisplay {
public:
    LoggedDisplay() {
        gfxSetLogging(true);
        session.takeLog();
    }
    std::vector<std::string> takeLog() { return session.takeLog(); }

    HeadlessSession session;
    Display display;
};
