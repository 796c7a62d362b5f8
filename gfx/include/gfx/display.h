// The Display facade: the only face of the graphics library the application sees.
// Coordinates come first, colour and width last; a width of 0 means filled.
#pragma once

/// @file
/// The Display facade, the library as a program usually sees it.

#include "gfx/animation.h"
#include "gfx/app_entry.h"
#include "gfx/event_kind.h"
#include "gfx/palette.h"

/// The library's types; its functions are the global gfx... ones (gfx/gfx.h).
namespace gfx {

/// The graphics window and its events. Make one, in appMain, and draw through it:
/// coordinates first, colour and width last, a width of 0 for a filled shape, world
/// units with (0, 0) at the centre and y growing upward. Bad arguments are drawn as
/// the gfx... functions draw them (gfx/gfx.h) and reported in the text window.
class Display {
public:
    /// Opens the windows and switches the drawing log off. A second Display in one run
    /// shows "Error: Attempted to instantiate multiple DROVA displays" and ends the
    /// process with status -1.
    Display();
    /// Closes it, as close() does.
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    /// Closes an open script file; later calls do nothing.
    void close();
    /// Clears the picture and paints the drawing area a colour.
    /// @param colour the colour; an illegal one is painted red and reported
    void clear(ColorIndex colour);
    /// Waits for the next event, as gfxAwaitEvent does.
    /// @param[out] x, y the world point of a click, else 0
    /// @param[out] key the character typed, else 0
    /// @return the kind of event
    EventKind awaitEvent(int& x, int& y, char& key);
    /// Sets how the animation runs.
    /// @param mode the mode; a value outside the enumeration changes nothing
    void setAnimation(AnimationMode mode);

    /// Draws text with its bottom left corner at (x, y), as gfxText does.
    /// @param x, y the corner
    /// @param text the text
    /// @param colour the colour
    /// @param pointSize the height in pixels, 0 to 127
    /// @return the number of characters drawn
    int drawText(int x, int y, const char* text, ColorIndex colour, int pointSize);
    /// Draws a line, as gfxLine does.
    /// @param x1, y1, x2, y2 its ends
    /// @param colour the colour
    /// @param width the pen's width
    /// @return 1
    int drawLine(int x1, int y1, int x2, int y2, ColorIndex colour, int width);
    /// Draws a rectangle between two opposite corners, as gfxRectangle does.
    /// @param x1, y1, x2, y2 the corners
    /// @param colour the colour
    /// @param width the outline's width, 0 for filled
    /// @return 1
    int drawRectangle(int x1, int y1, int x2, int y2, ColorIndex colour, int width);
    /// Draws a triangle, as gfxTriangle does.
    /// @param x1, y1, x2, y2, x3, y3 its corners
    /// @param colour the colour
    /// @param width the outline's width, 0 for filled
    /// @return 1
    int drawTriangle(int x1, int y1, int x2, int y2, int x3, int y3, ColorIndex colour, int width);
    /// Draws an oval inscribed in a box, as gfxOval does.
    /// @param x1, y1, x2, y2 opposite corners of the box
    /// @param colour the colour
    /// @param width the outline's width, 0 for filled
    /// @return 1
    int drawOval(int x1, int y1, int x2, int y2, ColorIndex colour, int width);
    /// Draws a filled circle, as gfxCircle does.
    /// @param x, y its centre
    /// @param radius its radius; a negative one is drawn as its positive counterpart
    /// @param colour the colour
    /// @return 1
    int drawCircle(int x, int y, int radius, ColorIndex colour);

    /// @return the drawing area's width, 600
    int width() const { return width_; }
    /// @return the drawing area's height, 500
    int height() const { return height_; }

    /// The current calendar time in seconds, from the window system (fixed by the
    /// headless runner's --seed): the seed of the random generator.
    /// @return seconds since 1970
    static long long calendarTime();

private:
    int width_;
    int height_;
    bool closed_ = false;
};

}  // namespace gfx
