// Drawing primitives: check and correct the arguments, log, hand a record to the renderer.
#include <algorithm>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <string_view>

#include "gfx/core/backend.h"
#include "gfx/core/format_buffer.h"
#include "gfx/core/log_line.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/state.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/gfx.h"
#include "gfx/render/colour_table.h"

using namespace gfx;

namespace {

int checkColour(int colour) {
    const int drawn = drawnColour(colour);
    if (drawn != colour) gfxPrintf("Illegal color %d; using RED.\n", colour);
    return drawn;
}

// The positive counterpart of a negative value; INT_MIN, which has none, gives INT_MAX.
int negated(int value) {
    return value == INT_MIN ? INT_MAX : -value;
}

int checkWidth(int width) {
    if (width >= 0) return width;
    const int fixed = negated(width);
    gfxPrintf("Width of %d not possible, using width %d\n", width, fixed);
    return fixed;
}

int checkPointSize(int size) {
    if (size < 0) {
        const int fixed = negated(size);
        gfxPrintf("ptsize of %d not possible, using ptsize %d\n", size, fixed);
        size = fixed;
    }
    if (size > MaxPointSize) {
        gfxPrintf("ptsize of %d not possible, using ptsize %d\n", size, MaxPointSize);
        size = MaxPointSize;
    }
    return size;
}

const char* name(int colour) {
    return colourAt(colour).name;
}

void submit(ShapeRecord& record) {
    WindowState& w = state().window;
    if (const auto& observe = toolHooks().shapeObserver) observe(record);
    offScreen().render(record, w.centreX, w.centreY);
    w.imageDirty = true;
}

// "<colour> <shape> with bounding box (left,top) to (right,bottom)", the start of the
// log line of a rectangle or an oval.
void boxLine(LogLine& line, int colour, std::string_view shape, int left, int top, int right,
             int bottom) {
    (line << name(colour) << shape << " with bounding box ").point(left, top) << " to ";
    line.point(right, bottom);
}

// Corners in either order, as (left, top) to (right, bottom).
struct Box {
    int left, top, right, bottom;
};
Box orderedBox(int x1, int y1, int x2, int y2) {
    const Extent e = extentOf(x1, y1, x2, y2);
    return {e.minX, e.maxY, e.maxX, e.minY};
}

void submitBox(ShapeKind kind, int colour, int width, long long left, long long top,
               long long right, long long bottom) {
    ShapeRecord r;
    r.kind = kind;
    r.colour = colour;
    r.width = width;
    r.box = {left, top, right, bottom};
    submit(r);
}

}  // namespace

int gfxFlush() {
    State& s = state();
    if (s.log.loggingOn) gfxPrintf("Flushing the graphics window\n");
    if (s.window.imageDirty) {
        if (Backend* b = backend()) b->present(offScreen().image());
        s.window.imageDirty = false;
    }
    return 1;
}

int gfxClear() {
    State& s = state();
    if (s.log.loggingOn) gfxPrintf("Clearing the graphics window\n");
    offScreen().clear();
    s.window.imageDirty = true;
    return 1;
}

int gfxCircle(int colour, int x, int y, int radius) {
    colour = checkColour(colour);
    if (radius < 0) {
        const int fixed = negated(radius);
        gfxPrintf("Radius of %d not possible, using radius %d\n", radius, fixed);
        radius = fixed;
    }
    if (state().log.loggingOn) {
        LogLine line;
        (line << name(colour) << " circle at ").point(x, y) << ", radius " << radius << '\n';
        line.write();
    }
    const long long r = radius;
    submitBox(ShapeKind::Oval, colour, 0, x - r, y + r, x + r, y - r);
    return 1;
}

int gfxTriangle(int colour, int x1, int y1, int x2, int y2, int x3, int y3, int width) {
    colour = checkColour(colour);
    width = checkWidth(width);
    if (state().log.loggingOn) {
        LogLine line;
        (line << name(colour) << " triangle at ").point(x1, y1) << ", ";
        (line.point(x2, y2) << ", ").point(x3, y3) << '\n';
        line.write();
    }
    ShapeRecord r;
    r.kind = ShapeKind::Triangle;
    r.colour = colour;
    r.width = width;
    r.corners = {{{x1, y1}, {x2, y2}, {x3, y3}}};
    submit(r);
    return 1;
}

int gfxRectangle(int colour, int x1, int y1, int x2, int y2, int width) {
    const auto [left, top, right, bottom] = orderedBox(x1, y1, x2, y2);
    colour = checkColour(colour);
    width = checkWidth(width);
    if (state().log.loggingOn) {
        LogLine line;
        boxLine(line, colour, " rectangle", left, top, right, bottom);
        if (width == 0)
            line << ", filled\n";
        else
            line << " with line width " << width << '\n';
        line.write();
    }
    submitBox(ShapeKind::Rectangle, colour, width, left, top, right, bottom);
    return 1;
}

int gfxOval(int colour, int x1, int y1, int x2, int y2, int width) {
    const auto [left, top, right, bottom] = orderedBox(x1, y1, x2, y2);
    width = checkWidth(width);
    colour = checkColour(colour);
    if (state().log.loggingOn) {
        LogLine line;
        boxLine(line, colour, " oval", left, top, right, bottom);
        if (width == 0)
            line << ", filled\n";
        else
            line << ", line width " << width << '\n';
        line.write();
    }
    submitBox(ShapeKind::Oval, colour, width, left, top, right, bottom);
    return 1;
}

int gfxLine(int colour, int x1, int y1, int x2, int y2, int width) {
    width = checkWidth(width);
    colour = checkColour(colour);
    if (state().log.loggingOn) {
        LogLine line;
        (line << name(colour) << " line from ").point(x1, y1) << " to ";
        line.point(x2, y2) << ", width " << width << '\n';
        line.write();
    }
    ShapeRecord r;
    r.kind = ShapeKind::Line;
    r.colour = colour;
    r.width = std::max(width, 1);
    r.from = {x1, y1};
    r.to = {x2, y2};
    submit(r);
    return 1;
}

int gfxText(int colour, int x, int y, int pointSize, const char* text) {
    pointSize = checkPointSize(pointSize);
    colour = checkColour(colour);
    if (state().log.loggingOn) {
        LogLine line;
        (line << name(colour) << " text at ").point(x, y) << ", \"" << text << "\"\n";
        line.write();
    }
    ShapeRecord r;
    r.kind = ShapeKind::Text;
    r.colour = colour;
    r.width = 0;
    r.at = {x, y};
    r.pointSize = pointSize;
    r.text = text;
    submit(r);
    return 1;
}

int gfxTextf(int colour, int x, int y, int pointSize, const char* format, ...) {
    char buffer[FormatBufferSize];
    va_list args;
    va_start(args, format);
    const int n = formatInto(buffer, format, args);
    va_end(args);
    gfxText(colour, x, y, pointSize, buffer);
    return n;
}

int gfxSetLogging(bool on) {
    State& s = state();
    if (!s.window.open) return 0;
    s.log.loggingOn = on;
    if (Backend* b = backend()) {
        b->setMenuCheck(MenuId::Logging, on);
        if (on) b->showTextWindow();
    }
    return 1;
}
