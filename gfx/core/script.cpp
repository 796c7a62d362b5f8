// Script files: one event a line, "DROVA_MOUSE(x, y);", "DROVA_KBD(k);", "DROVA_PERIODIC(n);".
#include "gfx/core/script.h"

#include <cctype>
#include <climits>
#include <cstdio>
#include <string>

#include "gfx/core/backend.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"

namespace gfx {

namespace {

constexpr int MaxLineLength = 511;
constexpr int MaxNumberLength = 11;
constexpr std::size_t KindLetterIndex = 6;  // after the six characters of "DROVA_"

void setCheck(int id, bool on) {
    if (Backend* b = backend()) b->setMenuCheck(id, on);
}

void closeStream() {
    State& s = state();
    if (s.scriptFile) std::fclose(s.scriptFile);
    s.scriptFile = nullptr;
    state().scriptStream = ScriptStream::Closed;
}

void writeLine(const std::string& line) {
    State& s = state();
    if (state().scriptStream == ScriptStream::Reading) closeStream();
    if (!s.scriptFile) {
        s.scriptFile = std::fopen(ScriptFileName, "w");
        if (!s.scriptFile) {
            gfxPrintf("Cannot open script file %s for writing\n", ScriptFileName);
            return;
        }
        state().scriptStream = ScriptStream::Writing;
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

// Reads one line of at most 511 characters; the rest of a longer line is skipped.
// Returns false at the end of the file with nothing read.
bool readLine(std::FILE* f, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') {
            line.push_back('\n');
            return true;
        }
        if (static_cast<int>(line.size()) < MaxLineLength) line.push_back(static_cast<char>(c));
    }
    return any;  // a last line without a line end is still a line
}

bool isBlank(const std::string& line) {
    return line == "\n" || line == "\r\n" || line == "\r";
}

bool isNumberChar(char c) { return c == '-' || std::isdigit(static_cast<unsigned char>(c)); }

// Scans for the next number from pos; pos is left after it. No number gives 0;
// a value beyond the int range is clamped.
int scanNumber(const std::string& line, std::size_t& pos) {
    while (pos < line.size() && !isNumberChar(line[pos])) ++pos;
    std::size_t start = pos;
    while (pos < line.size() && isNumberChar(line[pos])) ++pos;
    std::string token = line.substr(start, std::min<std::size_t>(pos - start, MaxNumberLength));
    std::size_t i = 0;
    bool negative = false;
    if (i < token.size() && token[i] == '-') {
        negative = true;
        ++i;
    }
    long long value = 0;
    for (; i < token.size() && std::isdigit(static_cast<unsigned char>(token[i])); ++i)
        value = value * 10 + (token[i] - '0');  // 11 characters cannot overflow 64 bits
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
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
    if (state().scriptStream == ScriptStream::Writing) stopRecording();
    if (!s.scriptFile) {
        s.scriptFile = std::fopen(ScriptFileName, "r");
        if (!s.scriptFile) {
            gfxPrintf("Cannot open script file %s for reading\n", ScriptFileName);
            stopPlayback();
            return 0;
        }
        state().scriptStream = ScriptStream::Reading;
    }
    if (s.periodicRun > 0) {
        --s.periodicRun;
        s.pendingKind = 3;
        return 1;
    }
    std::string line;
    bool got = readLine(s.scriptFile, line);
    while (got && isBlank(line)) got = readLine(s.scriptFile, line);
    if (!got) {
        gfxPrintf("EOF encountered in script file %s\n", ScriptFileName);
        stopPlayback();
        return 0;
    }
    if (line.size() <= KindLetterIndex) return 0;
    std::size_t pos = KindLetterIndex;
    switch (line[KindLetterIndex]) {
        case 'K':
            s.pendingKind = 2;
            s.eventKey = static_cast<char>(scanNumber(line, pos));
            break;
        case 'M':
            s.pendingKind = 1;
            s.eventX = scanNumber(line, pos);
            s.eventY = scanNumber(line, pos);
            break;
        case 'P': {
            s.pendingKind = 3;
            int n = scanNumber(line, pos);
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
    if (state().scriptStream == ScriptStream::Reading) closeStream();
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
    // A script read to its end starts again from the beginning.
    if (state().scriptStream == ScriptStream::Reading && s.scriptFile && std::feof(s.scriptFile)) {
        closeStream();
        s.periodicRun = 0;
    }
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
    if (s.recording) {
        writePeriodicRun();
        s.recording = false;
        setCheck(MenuId::RecordScript, false);
    }
    closeStream();
}

}  // namespace gfx
