// The narrow seam between the library's logic and a window system.
// A back end owns the windows, the timer, the off-screen image and the dialog;
// everything the library decides is made in gfx/core.
#pragma once

#include <ctime>
#include <memory>
#include <string>

#include "gfx/core/message.h"
#include "gfx/core/shape_record.h"

namespace gfx {

class Backend {
public:
    virtual ~Backend() = default;

    // Opens the graphics window (with the menu), the text window, the off-screen
    // image and the 100 ms timer. Returns the client size of the graphics window.
    virtual void open(int showMode, int& clientWidth, int& clientHeight) = 0;

    // Takes the oldest pending message without blocking; false when there is none.
    virtual bool takeMessage(Message& message) = 0;
    // Blocks until at least one message is pending.
    virtual void waitForMessage() = 0;

    // Copies the off-screen image to the graphics window.
    virtual void showImage() = 0;
    // Draws one record into the off-screen image; centre is the world origin in pixels.
    virtual void render(const ShapeRecord& record, int centreX, int centreY) = 0;
    // Paints the whole off-screen image white.
    virtual void clearImage() = 0;

    virtual void setMenuCheck(int id, bool checked) = 0;
    // A line was added to the message history; the text window shows it when it can.
    virtual void textAppended(const std::string& line) = 0;
    virtual void showTextWindow() = 0;

    // Runs the modal string-input dialog; false when it cannot be shown.
    virtual bool runInputDialog(const std::string& prompt, std::string& reply) = 0;

    // The calendar time that seeds the random generator.
    virtual std::time_t calendarTime() = 0;
};

// Installs the back end that gfxOpen will use; the library owns it from then on.
void setBackend(std::unique_ptr<Backend> backend);
Backend* backend();

}  // namespace gfx
