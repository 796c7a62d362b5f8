// The web back end's link to its page: each function hands one request to the page's
// script (page/wire/bridge.js, reached as the global gfxPage) or waits on it. Only this
// file and the web program entry use emscripten: the back end reaches the page through
// these functions, and the entry (program_entry.cpp) exports the one function the page
// calls in the program, gfx_save_recording.
#pragma once

#include <optional>
#include <string>

#include "gfx/core/menu_items.h"
#include "gfx/core/message.h"

namespace gfx::page {

// Has the page put the stored script file into folder, which the program made; the
// page reads it from the browser's storage meanwhile. awaitStorage() suspends the
// program until the file is in place.
void mountStorage(const char* folder);
void awaitStorage();

// Hands the page the numbers it shares with the library, by name, as a JSON object
// { "Message": {...}, "KeyCode": {...}, "MenuId": {...} }; first of all.
void defineWire(const std::string& json);

// Adds one item of the menu called title, its fields named as the item's; the page
// builds its menu bar and its shortcuts from these, then open() shows the page and
// starts its timer, one tick every tickMilliseconds. The text panel keeps as many lines
// as the library's history (historyCapacity).
void addMenuItem(const char* title, const MenuItem& item);
void open(int historyCapacity, int tickMilliseconds);

// Takes the oldest event the page's handlers queued, its fields named as the message's;
// false when there is none. An event of a kind the library does not know is dropped.
bool takeEvent(Message& message);
// Suspends the program until the page queues an event. A timer tick wakes it only
// when wakeOnTimer is set; otherwise ticks stay queued until another event comes.
void waitForEvent(bool wakeOnTimer);

// True when the program has run long enough since the browser last had its turn;
// yieldToBrowser() then suspends it until the browser has painted and handled input.
bool sliceOver();
void yieldToBrowser();

// The script file: false while the page has another writer of it (another tab records,
// or an upload is being stored); the library then does not open it.
bool mayWriteScript();
// The library opened the script file ("opened"), wrote a whole line to it ("written")
// or closed it ("closed"): the page stores the file in the browser's storage.
void scriptChanged(const char* change);
// How many saves of the script file failed since the last call.
int takeSaveFailures();

// Shows the top width x height rows of an image of bytes R, G, B, A on the canvas.
void present(const void* rgba, int width, int height);

void setMenuCheck(int id, bool checked);
// Heads the page's graphics panel, text panel and dialog with the program's titles.
void setTitles(const std::string& graphics, const std::string& text, const std::string& dialog);
// One line the library wrote, as bytes (Latin-1), without its terminating zero: the
// panel shows it, and the page counts and digests every line (tests compare runs by them).
void appendText(const char* line, int length);

// Shows the modal dialog and suspends until "Okay" is pressed; no value when the page
// cannot show a dialog.
std::optional<std::string> runDialog(const std::string& prompt);

// Seconds since the epoch, or the seed the page was asked to use.
double calendarTime();

// Tells the page that the program has ended with status.
void programEnded(int status);

}  // namespace gfx::page
