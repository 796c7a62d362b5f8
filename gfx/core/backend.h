// The narrow seam between the library's logic and a window system.
// A back end owns the windows, the timer and the dialog, turns its platform's events
// into messages and presents the off-screen image; everything the library decides,
// and every pixel, is made in gfx/core and gfx/render.
#pragma once

#include <ctime>
#include <deque>
#include <memory>
#include <string>

#include "gfx/core/client_area.h"
#include "gfx/core/identity.h"
#include "gfx/core/message.h"
#include "gfx/core/text_history.h"
#include "gfx/render/pixel_image.h"

namespace gfx {

enum class ScriptChange { Opened, LineWritten, Closed };

class Backend {
public:
    virtual ~Backend() = default;

    // Opens the graphics window (with the menu), the text window and the timer
    // (a tick every TickMilliseconds).
    virtual void open(int showMode) = 0;

    // Hands the platform's pending events to post(), never blocking.
    virtual void poll() {}
    // Blocks until at least one message has been posted. tickAwaited: a periodic event
    // waits for the timer, so a tick matters; otherwise only the user can end the wait.
    virtual void waitForMessage(bool tickAwaited) = 0;

    // The layout of the off-screen image's pixels that this platform shows as they are.
    virtual PixelFormat pixelFormat() const { return PixelFormat::Xrgb32; }
    // Shows the off-screen image in the graphics window.
    virtual void present(const PixelImage& image) = 0;

    virtual void setMenuCheck(int id, bool checked) = 0;
    // A line went into the message history (its newest); the text window shows what
    // the history holds when it can.
    virtual void textAppended(const TextHistory& history) = 0;
    virtual void showTextWindow() = 0;

    // Runs the modal string-input dialog; false when it cannot be shown.
    virtual bool runInputDialog(const std::string& prompt, std::string& reply) = 0;

    // Who the program is: its windows' titles and icon. Told before open(), so that the
    // windows are made with them, and whenever the program changes them. False when the
    // icon cannot be read (the windows then keep the icon they have). A platform without
    // window titles or icons takes it as it is.
    virtual bool setIdentity(const Identity& identity) {
        (void)identity;
        return true;
    }

    // The calendar time that seeds the random generator.
    virtual std::time_t calendarTime() = 0;

    // The script file, for a platform that keeps it beyond the library's file system (the
    // page stores it in the browser). Asked before the library opens the file to write:
    // false when another writer holds it, and the library reports that it cannot open
    // it. Told when the file was opened (and emptied), after each whole line written to
    // it, and when it was closed.
    virtual bool mayWriteScript() { return true; }
    virtual void scriptChanged(ScriptChange change) { (void)change; }

    // The library's side of the one FIFO: the oldest message, polling the platform first
    // when none is pending; false when there is still none.
    bool take(Message& message);
    bool hasMessages() const { return !queue_.empty(); }

protected:
    void post(const Message& message) { queue_.push_back(message); }

private:
    std::deque<Message> queue_;
};

// Presents the off-screen image if it changed since it was last shown: the pump does so
// before it waits and after each pass. The web entry also calls it after appMain, so
// that the repaint after the quit stays on the page under the ending.
void showIfDirty();

// Installs the back end that gfxOpen will use; the library owns it from then on.
void setBackend(std::unique_ptr<Backend> backend);
Backend* backend();

}  // namespace gfx
