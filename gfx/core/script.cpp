// Script files: one event a line, "DROVA_MOUSE(x, y);", "DROVA_KBD(k);", "DROVA_PERIODIC(n);".
#include "gfx/core/script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <cstdio>
#include <string>

#include "gfx/core/backend.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"

namespace gfx {

namespace {

constexpr std::size_t MaxLineLength = 511;
constexpr std::size_t MaxNumberLength = 11;
constexpr std::size_t KindLetterIndex = 6;  // after the six characters of "DROVA_"

void setCheck(int id, bool on) {
    if (Backend* b = backend()) b->setMenuCheck(id, on);
}

void closeStream() {
    State& s = state();
    if (s.scriptFile) std::fclose(s.scriptFile);
    s.scriptFile = nullptr;
    s.scriptStream = ScriptStream::Closed;
}

void writeLine(const std::string& line) {
    State& s = state();
    if (s.scriptStream == ScriptStream::Reading) closeStream();
    if (!s.scriptFile) {
        s.scriptFile = std::fopen(state().scriptFileName.c_str(), "w");
        if (!s.scriptFile) {
            gfxPrintf("Cannot open script file %s for writing\n", state().scriptFileName.c_str());
            return;
        }
        s.scriptStream = ScriptStream::Writing;
    }
    std::fputs(line.c_str(), s.scriptFile);
    std::fflush(s.scriptFile);  // a crash later keeps what was recorded so far
}

void writePeriodicRun() {
    State& s = state();
    if (s.periodicRun > 0) {
        writeLine("DROVA_PERIODIC(" + std::to_string(s.periodicRun) + ");\n");
        s.periodicRun = 0;
    }
}

void stopRecording() {
    State& s = state();
    setCheck(MenuId::RecordScript, false);
    s.recording = false;
    writePeriodicRun();
    closeStream();
}

// Reads one line of at most 511 characters; the rest of a longer line is skipped so
// that it is never taken for the next event. Returns false at the end of the file
// with nothing read; a last line without a line end is still a line.
bool readLine(std::FILE* f, std::string& line) {
    line.clear();
    bool any = false;
    for (int c; (c = std::fgetc(f)) != EOF;) {
        any = true;
        if (c == '\n') {
            line.push_back('\n');
            return true;
        }
        if (line.size() < MaxLineLength) line.push_back(static_cast<char>(c));
    }
    return any;
}

bool isBlank(const std::string& line) {
    return line == "\n" || line == "\r\n";
}

bool isNumberChar(char c) {
    return c == '-' || std::isdigit(static_cast<unsigned char>(c));
}

// Scans for the next number from pos and leaves pos after its whole run of digits and
// minus signs. No number gives 0; a value beyond the int range is clamped to it.
int scanNumber(const std::string& line, std::size_t& pos) {
    while (pos < line.size() && !isNumberChar(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && isNumberChar(line[pos])) ++pos;
    const char* first = line.data() + start;
    const char* last = first + std::min(pos - start, MaxNumberLength);
    long long value = 0;  // eleven characters always fit; "-" or "--1" leave it 0
    std::from_chars(first, last, value);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Makes kind the pending event; values the line does not set are 0, so a click the
// user gave meanwhile leaves nothing behind.
void produce(int kind) {
    State& s = state();
    s.pendingKind = kind;
    s.eventX = 0;
    s.eventY = 0;
    s.eventKey = 0;
}

bool openForReading() {
    State& s = state();
    if (s.scriptStream == ScriptStream::Writing) stopRecording();
    if (s.scriptFile) return true;
    s.scriptFile = std::fopen(state().scriptFileName.c_str(), "r");
    if (!s.scriptFile) return false;
    s.scriptStream = ScriptStream::Reading;
    return true;
}

}  // namespace

void recordEvent(int kind, int x, int y, char key) {
    State& s = state();
    if (kind == 3) {
        ++s.periodicRun;
        return;
    }
    writePeriodicRun();
    if (kind == 1) {
        writeLine("DROVA_MOUSE(" + std::to_string(x) + ", " + std::to_string(y) + ");\n");
    } else if (kind == 2) {
        writeLine("DROVA_KBD(" + std::to_string(static_cast<signed char>(key)) + ");\n");
    }
}

int readScriptEvent() {
    State& s = state();
    if (!openForReading()) {
        gfxPrintf("Cannot open script file %s for reading\n", state().scriptFileName.c_str());
        stopPlayback();
        return 0;
    }
    if (s.periodicRun > 0) {
        --s.periodicRun;
        produce(3);
        return 1;
    }
    std::string line;
    bool got = readLine(s.scriptFile, line);
    while (got && isBlank(line)) got = readLine(s.scriptFile, line);
    if (!got) {
        gfxPrintf("EOF encountered in script file %s\n", state().scriptFileName.c_str());
        stopPlayback();
        // Forgotten at its end, so the next playback or play one starts the script over.
        closeStream();
        return 0;
    }
    if (line.size() <= KindLetterIndex) return 0;
    std::size_t pos = KindLetterIndex;
    switch (line[KindLetterIndex]) {
        case 'K':
            produce(2);
            s.eventKey = static_cast<char>(scanNumber(line, pos));
            break;
        case 'M':
            produce(1);
            s.eventX = scanNumber(line, pos);
            s.eventY = scanNumber(line, pos);
            break;
        case 'P': {
            produce(3);
            const int n = scanNumber(line, pos);
            s.periodicRun = n > 1 ? n - 1 : 0;  // this event is the first of the run
            break;
        }
        default:
            return 0;
    }
    return 1;
}

void toggleRecording() {
    State& s = state();
    if (s.recording) {
        stopRecording();
        return;
    }
    if (s.playingBack || s.playOnePending) stopPlayback();
    if (s.scriptStream == ScriptStream::Reading) closeStream();
    s.periodicRun = 0;  // a run left over from playback is not ours to write
    setCheck(MenuId::RecordScript, true);
    s.recording = true;
}

void togglePlayback() {
    State& s = state();
    if (s.playingBack) {
        s.playingBack = false;
        setCheck(MenuId::PlaybackScript, false);
        closeStream();
        s.periodicRun = 0;
        return;
    }
    if (s.recording) stopRecording();
    setCheck(MenuId::PlaybackScript, true);
    s.animating = false;
    s.stepPending = false;
    s.playingBack = true;
}

void requestPlayOne() {
    State& s = state();
    if (s.recording) stopRecording();
    s.playOnePending = true;
    s.animating = false;
    s.stepPending = false;
}

void stopPlayback() {
    State& s = state();
    s.playingBack = false;
    s.playOnePending = false;
    setCheck(MenuId::PlaybackScript, false);
}

void closeScript() {
    State& s = state();
    if (s.recording) stopRecording();
    if (s.playingBack || s.playOnePending) stopPlayback();
    closeStream();
    s.periodicRun = 0;
}

void setScriptFileName(const std::string& name) {
    state().scriptFileName = name;
}

}  // namespace gfx
