// A program that talks to X and uses Qt beside the library: Xlib's Display type and its
// macros None, Bool and True live beside gfx::Display and gfx::EventKind. Built twice,
// with Xlib's header before the library's (XLIB_FIRST) and after them; Qt's headers
// come before Xlib's, as Qt asks.
#include <QString>
#include <QWidget>
#ifdef XLIB_FIRST
#include <X11/Xlib.h>
#endif

#include "gfx/display.h"
#include "gfx/gfx.h"

#ifndef XLIB_FIRST
#include <X11/Xlib.h>
#endif

int appMain() {
    gfx::Display display;
    // Xlib's own Display, named as Xlib names it; no connection is opened.
    const ::Display* connection = nullptr;
    const Bool unconnected = connection == nullptr ? True : False;
    const QString label = QStringLiteral("Xlib, Qt and the library");
    display.clear(gfx::palette::White);
    display.drawText(-100, 0, label.toUtf8().constData(), gfx::palette::Black, 14);
    int x = 0, y = 0;
    char key = 0;
    const gfx::EventKind kind = display.awaitEvent(x, y, key);
    gfxPrintf("Xlib's None is %ld, unconnected %d, the wait gave %d, %s in Xlib's %s\n", None,
              unconnected, static_cast<int>(kind), label.toUtf8().constData(), XDisplayName(":0"));
    return 0;
}
