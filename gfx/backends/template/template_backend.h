// A template for a new back end: copy this folder, rename the class and fill in each
// operation for the platform. As it stands it compiles and runs the library to a clean
// end: it shows nothing, takes no input and asks the run to end at its first wait.
//
// Platform: none yet. Say here what the platform is (its windows, its event loop).
// Cannot: say what the platform cannot do (resize, a modal dialog, a menu bar...).
// Depends on: the library core and the renderer; name the platform's libraries here.
//
// The library's logic stays in gfx/core and every pixel comes from gfx/render: a back
// end only opens windows, turns its platform's events into post() calls, blocks until
// one came, and shows what the core hands it.
#pragma once

#include "gfx/core/backend.h"

namespace gfx {

class TemplateBackend : public Backend {
public:
    void open(int showMode) override;
    void poll() override;
    void waitForMessage(bool tickAwaited) override;
    PixelFormat pixelFormat() const override;
    void present(const PixelImage& image) override;
    void setMenuCheck(int id, bool checked) override;
    void textAppended(const TextHistory& history) override;
    void showTextWindow() override;
    bool runInputDialog(const std::string& prompt, std::string& reply) override;
    std::time_t calendarTime() override;
    // Optional: only a platform whose windows have titles and icons.
    bool setIdentity(const Identity& identity) override;
    // Optional: only a platform that keeps the script file beyond the file system.
    bool mayWriteScript() override;
    void scriptChanged(ScriptChange change) override;
};

}  // namespace gfx
