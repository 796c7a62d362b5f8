// The graphics and event library: flat gfx... functions over one library state.
// Drawing functions take the colour first and return 1 (gfxTextf: the number of
// characters drawn); a width of 0 means filled.
// DROVA is the library's own name, the graphics library the town is drawn with: its
// windows "DROVA Graphics" and "DROVA Text", its dialog "DROVA_gets", its script file
// "DROVA.SCR" with lines such as "DROVA_MOUSE(x, y);" and its credit in the "Run" menu
// carry it. The code calls the library gfx.
#pragma once

/// @file
/// The library's functions. Coordinates are world units (pixels) with (0, 0) at the
/// centre of the 600 x 500 drawing area and y growing upward. A drawing function never
/// refuses a call: an illegal colour, width, radius or point size is written as one line
/// to the text window and replaced by a sound value. With the drawing log on, each call
/// writes its line there too ("red circle at (9,6), radius 20").

#include "gfx/animation.h"
#include "gfx/app_entry.h"
#include "gfx/event_kind.h"

/// Says who the program is: its name heads its windows, "NAME Graphics" and "NAME Text"
/// (and the input dialog, "NAME_gets"), and a picture is their icon on the desktop.
/// Called before the Display is made, the windows open so; called later, they change.
/// Without it they are the library's own: "DROVA Graphics", "DROVA Text", "DROVA_gets".
/// In a web page the name heads its panels and dialog the same way; the page's own title
/// and icon are the ones add_web_site gives its site (TITLE, ICON).
/// @param name the program's name, in UTF-8; null or "" for the library's, "DROVA"
/// @param iconPath a picture file (PNG, SVG, JPEG...) from the working directory, or a
///        Qt resource (":/..."); null or "" keeps the icon the windows have. One that
///        cannot be read is reported in the text window ("Cannot read icon file x.png")
///        and the windows keep their icon.
/// @return 1, or 0 when the icon cannot be read
int gfxSetIdentity(const char* name, const char* iconPath);

/// Closes an open script file; Display's destructor calls it. (Display's constructor
/// opens the library: a program opens it by making its one Display.)
/// @return 1
int gfxClose();
/// Waits for the next event, showing the picture drawn so far on the way. While a script
/// plays back, events come from it; while one is recorded, each is written to it.
/// @param[out] x, y the world point of a click, else 0
/// @param[out] key the character typed, else 0
/// @return the kind of event; never gfx::EventKind::None
gfx::EventKind gfxAwaitEvent(int& x, int& y, char& key);
/// Sets how the animation runs.
/// @param code one of the gfx::AnimationCode numbers; any other is accepted and changes nothing
/// @return 1, or 0 before the windows are open
int gfxSetAnimation(int code);
/// Switches the drawing log on or off, as the menu's "Logging" does.
/// @param on whether every drawing call writes a line
/// @return 1, or 0 before the windows are open
int gfxSetLogging(bool on);

/// Shows the picture drawn so far at once.
/// @return 1
int gfxFlush();
/// Clears the whole image to white within a black frame; Display::clear then paints the
/// drawing area a colour.
/// @return 1
int gfxClear();
/// Draws a line.
/// @param colour a ColorIndex; an illegal one is drawn red and reported
/// @param x1, y1, x2, y2 its ends
/// @param width its pen's width; a negative one is drawn as its positive counterpart and
///        reported ("Width of -3 not possible, using width 3")
/// @return 1
int gfxLine(int colour, int x1, int y1, int x2, int y2, int width);
/// Draws a rectangle between two opposite corners.
/// @param colour a ColorIndex; an illegal one is drawn red and reported
/// @param x1, y1, x2, y2 the corners, in any order
/// @param width the outline's width, 0 for filled; a negative one as for gfxLine
/// @return 1
int gfxRectangle(int colour, int x1, int y1, int x2, int y2, int width);
/// Draws a triangle.
/// @param colour a ColorIndex; an illegal one is drawn red and reported
/// @param x1, y1, x2, y2, x3, y3 its corners
/// @param width the outline's width, 0 for filled; a negative one as for gfxLine
/// @return 1
int gfxTriangle(int colour, int x1, int y1, int x2, int y2, int x3, int y3, int width);
/// Draws an oval inscribed in a box.
/// @param colour a ColorIndex; an illegal one is drawn red and reported
/// @param x1, y1, x2, y2 opposite corners of the box
/// @param width the outline's width, 0 for filled; a negative one as for gfxLine
/// @return 1
int gfxOval(int colour, int x1, int y1, int x2, int y2, int width);
/// Draws a filled circle.
/// @param colour a ColorIndex; an illegal one is drawn red and reported
/// @param x, y its centre
/// @param radius a negative one is drawn as its positive counterpart and reported
///        ("Radius of -5 not possible, using radius 5")
/// @return 1
int gfxCircle(int colour, int x, int y, int radius);
/// Draws text with its bottom left corner at a point.
/// @param colour a ColorIndex; an illegal one is drawn red and reported
/// @param x, y the bottom left corner
/// @param pointSize the text's height in pixels, 0 to 127; a negative one is drawn as
///        its positive counterpart, a larger one at 127, and either is reported
///        ("ptsize of 200 not possible, using ptsize 127")
/// @param text the text
/// @return 1
int gfxText(int colour, int x, int y, int pointSize, const char* text);
/// Draws text formatted as printf does, at most 1023 characters; arguments as gfxText.
/// @param colour, x, y, pointSize as for gfxText
/// @param format the printf format, then its arguments
/// @return the number of characters drawn
int gfxTextf(int colour, int x, int y, int pointSize, const char* format, ...)
    __attribute__((format(printf, 5, 6)));

/// Writes a line to the text window (and, in a headless run with --log, to standard
/// output), formatted as printf does, at most 1023 characters.
/// @param format the printf format, then its arguments
/// @return the number of characters written
int gfxPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
/// Asks for a line of text in a dialog. The headless back end answers at once with an
/// empty line.
/// @param prompt shown cut or padded to 79 characters
/// @param[out] reply the answer, at most 255 characters and the end: it must hold 256
/// @return 1, or 0 when there is no back end (reply is then unchanged)
int gfxGets(const char* prompt, char* reply);

/// The current calendar time in seconds, from the window system: fixed by the headless
/// runner's --seed, so that a run seeded from it can be repeated.
/// @return seconds since 1970
long long gfxCalendarTime();
