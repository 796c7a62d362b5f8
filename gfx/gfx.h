// The graphics and event library: flat gfx... functions over one library state.
// Drawing functions take the colour first and return 1; a width of 0 means filled.
#pragma once

#include <string>

#include "gfx/animation.h"
#include "gfx/app_entry.h"
#include "gfx/event_kind.h"

// Start-up values the program entry keeps for gfxOpen.
struct GfxStartup {
    void* instance = nullptr;
    void* previousInstance = nullptr;
    const char* commandLine = "";
    int showMode = 1;
};
void gfxStoreStartup(const GfxStartup& startup);
const GfxStartup& gfxStartup();

// Opens the windows through the installed back end; 0 when none is installed.
int gfxOpen(void* instance, void* previousInstance, const char* commandLine, int showMode);
int gfxClose();
EventKind gfxAwaitEvent(int& x, int& y, char& key);
// Takes the AnimationCode numbers (gfx/animation.h).
int gfxSetAnimation(int code);
int gfxSetLogging(bool on);

int gfxFlush();
int gfxClear();
int gfxLine(int colour, int x1, int y1, int x2, int y2, int width);
int gfxRectangle(int colour, int x1, int y1, int x2, int y2, int width);
int gfxTriangle(int colour, int x1, int y1, int x2, int y2, int x3, int y3, int width);
int gfxOval(int colour, int x1, int y1, int x2, int y2, int width);
int gfxCircle(int colour, int x, int y, int radius);
int gfxText(int colour, int x, int y, int pointSize, const char* text);
int gfxTextf(int colour, int x, int y, int pointSize, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

int gfxPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
int gfxGets(const char* prompt, char* reply);

// The one Display of a run: 1 when none was made before, 0 for every later one.
int gfxClaimDisplay();

// The current calendar time in seconds, from the window system (fixed in headless runs).
long long gfxCalendarTime();
