// Opening the library: the start-up values a platform's program entry stores before it
// calls appMain, gfxOpen that takes them, and the claim of the one Display. Display's
// constructor is their one caller: a program opens the library by making its Display.
#pragma once

namespace gfx {

// The four start-up values of a platform's program entry, as gfxOpen takes them. The
// window systems the library runs on give a program no instance handles: their entries
// store none.
struct Startup {
    void* instance = nullptr;          // the handle of this program instance
    void* previousInstance = nullptr;  // the handle of an instance started before it
    const char* commandLine = "";      // the first argument, or ""
    int showMode = 1;                  // how the windows are first shown
};

}  // namespace gfx

// Keeps the start-up values; each platform's entry calls it before appMain.
void gfxStoreStartup(const gfx::Startup& startup);
const gfx::Startup& gfxStartup();

// Opens the windows through the installed back end, shown as showMode asks; the command
// line is ignored. 1, or 0 when no back end is installed.
int gfxOpen(void* instance, void* previousInstance, const char* commandLine, int showMode);

// 1 for the first Display of a run, 0 for every later one.
int gfxClaimDisplay();
