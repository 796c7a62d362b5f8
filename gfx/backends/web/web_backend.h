// The browser back end: the program runs as WebAssembly inside a web page.
//
// Platform: one page (gfx/backends/web/page/) holding a 601 x 501 canvas, an HTML menu bar
// with the "Run" menu, a "DROVA Text" panel and a modal page dialog. The page's DOM
// handlers and its 100 ms setInterval queue events in the page; poll() takes them
// into the message FIFO. The blocking wait suspends appMain (emscripten's Asyncify)
// and resumes it on the next event, so a halted page runs no code; a pass that does
// not block suspends it every few milliseconds, so the browser paints and delivers
// keys while a script plays.
//
// Cannot: open real top-level windows (the text window is a panel under the canvas
// and is always visible); re-enter the program while it waits (handlers only queue;
// the page's one call in, when it is hidden, writes the pending periodic run); take
// browser-reserved keys (Ctrl+W, Ctrl+T, Ctrl+N); keep files outside the browser's
// storage ("DROVA.SCR" lives in IndexedDB, moved to and from disk by the page's
// download and upload buttons).
//
// Depends on: emscripten (Asyncify, its in-memory file system) and the page's script;
// the library draws the image in the canvas's own byte order, so presenting it
// converts nothing.
#pragma once

#include "gfx/core/backend.h"

namespace gfx {

class WebBackend : public Backend {
public:
    void open(int showMode) override;
    // Hands the events the page queued to the FIFO, never waiting.
    void poll() override;
    void waitForMessage(bool tickAwaited) override;
    PixelFormat pixelFormat() const override { return PixelFormat::Rgba8; }
    void present(const PixelImage& image) override;
    void setMenuCheck(int id, bool checked) override;
    // The page's panels and dialog carry the program's titles; the page's own title and
    // icon are its site's (add_web_site).
    bool setIdentity(const Identity& identity) override;
    void textAppended(const TextHistory& history) override;
    void showTextWindow() override;
    bool runInputDialog(const std::string& prompt, std::string& reply) override;
    std::time_t calendarTime() override;
    bool mayWriteScript() override;
    void scriptChanged(ScriptChange change) override;

private:
    // Hands the events the page queued to the FIFO; never suspends.
    void takePageEvents();
    bool scriptInPlace_ = false;
};

}  // namespace gfx
