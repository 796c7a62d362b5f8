// Recording the event stream into "DROVA.SCR" and playing it back.
#pragma once

#include "gfx/event_kind.h"

namespace gfx {

constexpr const char* ScriptFileName = "DROVA.SCR";

// Writes one returned event while recording.
void recordEvent(EventKind kind, int x, int y, char key);
// Produces the next scripted event into the pending event; 1 when it did, 0 when not.
int readScriptEvent();

void toggleRecording();  // MenuId::RecordScript
void togglePlayback();   // MenuId::PlaybackScript
void requestPlayOne();   // MenuId::PlayOne
// Ends playback and play one; the stream stays where it was.
void stopPlayback();
// Library close: switches recording (its pending periodic run written) and playback
// off and closes the script stream.
void closeScript();
// Writes the periodic run still being counted, if recording: for endings that do not
// pass through the library's close.
void writePendingRecording();
// Prints the library's line for a failed write of the script file: for back ends that
// learn of a failed save only after the write itself.
void reportScriptWriteFailure();
// Closes the one script stream, whichever way it is open, and forgets it.
void closeScriptStream();
// An ending that does not pass through the library's close (a signal, a log-off, exit):
// the recording keeps its pending periodic run and its file is closed whole.
void saveRecordingAtEnd();

}  // namespace gfx
