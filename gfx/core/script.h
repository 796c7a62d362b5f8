// Recording the event stream into "DROVA.SCR" and playing it back.
#pragma once

#include <string>

namespace gfx {

constexpr const char* ScriptFileName = "DROVA.SCR";

// Writes one returned event (kind 1 mouse, 2 key, 3 periodic, 4 quit) while recording.
void recordEvent(int kind, int x, int y, char key);
// Produces the next scripted event into the pending event; 1 when it did, 0 when not.
int readScriptEvent();

void toggleRecording();  // menu item 5
void togglePlayback();   // menu item 6
void requestPlayOne();   // menu item 7
// Ends playback and play one; the stream stays where it was.
void stopPlayback();
// Library close: switches recording (its pending periodic run written) and playback
// off and closes the script stream.
void closeScript();

// Records to and plays back another file than "DROVA.SCR" (headless tools).
void setScriptFileName(const std::string& name);

}  // namespace gfx
