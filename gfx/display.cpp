#include "gfx/display.h"

#include <cstdio>
#include <cstdlib>

#include "gfx/core/client_area.h"
#include "gfx/core/opening.h"
#include "gfx/gfx.h"

namespace gfx {

Display::Display() : width_(DrawingWidth), height_(DrawingHeight) {
    if (!gfxClaimDisplay()) {
        char reply[256];
        gfxGets("Error: Attempted to instantiate multiple DROVA displays", reply);
        // End at once, leaving the first display and its windows as they are; only
        // buffered output is written out first.
        std::fflush(nullptr);
        std::_Exit(-1);
    }
    const Startup& s = gfxStartup();
    gfxOpen(s.instance, s.previousInstance, s.commandLine, s.showMode);
    gfxSetLogging(false);
}

Display::~Display() {
    close();
}

void Display::close() {
    if (closed_) return;
    closed_ = true;
    gfxClose();
}

void Display::clear(ColorIndex colour) {
    gfxFlush();
    gfxClear();
    drawRectangle(-width_ / 2, -height_ / 2, width_ / 2, height_ / 2, colour, 0);
}

EventKind Display::awaitEvent(int& x, int& y, char& key) {
    return gfxAwaitEvent(x, y, key);
}

void Display::setAnimation(AnimationMode mode) {
    gfxSetAnimation(animationCode(mode));
}

long long Display::calendarTime() {
    return gfxCalendarTime();
}

int Display::drawText(int x, int y, const char* text, ColorIndex colour, int pointSize) {
    return gfxTextf(colour, x, y, pointSize, "%s", text);
}

int Display::drawLine(int x1, int y1, int x2, int y2, ColorIndex colour, int width) {
    return gfxLine(colour, x1, y1, x2, y2, width);
}

int Display::drawRectangle(int x1, int y1, int x2, int y2, ColorIndex colour, int width) {
    return gfxRectangle(colour, x1, y1, x2, y2, width);
}

int Display::drawTriangle(int x1, int y1, int x2, int y2, int x3, int y3, ColorIndex colour,
                          int width) {
    return gfxTriangle(colour, x1, y1, x2, y2, x3, y3, width);
}

int Display::drawOval(int x1, int y1, int x2, int y2, ColorIndex colour, int width) {
    return gfxOval(colour, x1, y1, x2, y2, width);
}

int Display::drawCircle(int x, int y, int radius, ColorIndex colour) {
    return gfxCircle(colour, x, y, radius);
}

}  // namespace gfx
