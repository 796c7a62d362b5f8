#include "gfx/backends/template/template_backend.h"

namespace gfx {

// Must open the graphics window, titled as setIdentity() said ("DROVA Graphics" unless
// the program named itself), with a client area of ClientWidth x ClientHeight that
// cannot be resized, its "&Run" menu built from runMenuItems() (menuLabel() gives each
// label with its shortcut), the text window ("DROVA Text"; shown only when
// showTextWindow() asks), and a timer that posts
// Message::timer() every TickMilliseconds. showMode is the program entry's way to show
// the graphics window (1: normally).
void TemplateBackend::open(int /*showMode*/) {}

// Must hand every event the platform has pending to post(), translated: a left click as
// Message::leftClick with the client pixel, keys as keyDown/keyUp (KeyCode) and typed
// characters as Message::typed, a chosen menu item as Message::command with its MenuId,
// a new client size as Message::size, and a closed window as Message::quit(). Must
// never block.
void TemplateBackend::poll() {}

// Must block until at least one message was posted, in the platform's own wait, so that
// a halted program uses no CPU. tickAwaited: the library waits for the timer, so its
// tick must be able to end the wait; otherwise only the user can.
// Nothing can come here: the run is asked to end instead of waiting for ever.
void TemplateBackend::waitForMessage(bool /*tickAwaited*/) {
    post(Message::quit());
}

// Must give the pixel layout that the platform shows without converting: Xrgb32 (one
// uint32 0xFFRRGGBB per pixel) or Rgba8 (bytes R, G, B, A in memory).
PixelFormat TemplateBackend::pixelFormat() const {
    return PixelFormat::Xrgb32;
}

// Must show the top left ClientWidth x ClientHeight pixels of the image in the graphics
// window, one to one. The image stays valid until the library closes.
void TemplateBackend::present(const PixelImage& /*image*/) {}

// Must set or clear the check mark of the menu item with that MenuId.
void TemplateBackend::setMenuCheck(int /*id*/, bool /*checked*/) {}

// A line was added to the history (history.newest()); must show the history's lines in
// the text window, the newest at the bottom, now or at its next repaint.
void TemplateBackend::textAppended(const TextHistory& /*history*/) {}

// Must show the text window (logging was switched on).
void TemplateBackend::showTextWindow() {}

// Must show prompt in a modal dialog with one line of input and a button, and put the
// line typed into reply; false when no dialog can be shown.
bool TemplateBackend::runInputDialog(const std::string& /*prompt*/, std::string& /*reply*/) {
    return false;
}

// Must give the current calendar time in seconds: the seed of the random generator.
std::time_t TemplateBackend::calendarTime() {
    return std::time(nullptr);
}

// Optional. Must say whether the library may open the script file to write: false while
// another writer has it (another instance records), and the library reports that it
// cannot open the file. A platform whose files are the file system's keeps the default.
bool TemplateBackend::mayWriteScript() {
    return true;
}

// Optional. The library opened the script file (it is empty now), wrote a whole line to
// it or closed it: a platform that keeps the file elsewhere copies it there now, so that
// an abrupt end loses no line.
void TemplateBackend::scriptChanged(ScriptChange /*change*/) {}

// Optional. Should title the graphics window identity.graphicsTitle, the text window
// identity.textTitle and the dialog identity.dialogTitle, when they are made and at once
// when they are open, and show the picture at identity.iconPath (unless empty) as their
// icon. Must return false when that picture cannot be read.
bool TemplateBackend::setIdentity(const Identity& /*identity*/) {
    return true;
}

}  // namespace gfx
