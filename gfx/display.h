// The Display facade: the only face of the graphics library the application sees.
// Coordinates come first, colour and width last; a width of 0 means filled.
#pragma once

#include "gfx/animation.h"
#include "gfx/app_entry.h"
#include "gfx/event_kind.h"
#include "gfx/palette.h"

class Display {
public:
    Display();
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    void close();
    void clear(ColorIndex colour);
    EventKind awaitEvent(int& x, int& y, char& key);
    void setAnimation(AnimationMode mode);

    int drawText(int x, int y, const char* text, ColorIndex colour, int pointSize);
    int drawLine(int x1, int y1, int x2, int y2, ColorIndex colour, int width);
    int drawRectangle(int x1, int y1, int x2, int y2, ColorIndex colour, int width);
    int drawTriangle(int x1, int y1, int x2, int y2, int x3, int y3, ColorIndex colour, int width);
    int drawOval(int x1, int y1, int x2, int y2, ColorIndex colour, int width);
    int drawCircle(int x, int y, int radius, ColorIndex colour);

    int width() const { return width_; }
    int height() const { return height_; }

    // The current calendar time in seconds, from the window system (fixed in headless
    // runs): the seed of the random generator.
    static long long calendarTime();

private:
    int width_;
    int height_;
    bool closed_ = false;
};
