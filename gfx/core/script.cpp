// Script files: one event a line, "DROVA_MOUSE(x, y);", "DROVA_KBD(k);", "DROVA_PERIODIC(n);".
#include "gfx/core/script.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cstdio>
#include <string>
#include <string_view>

#include "gfx/core/backend.h"
#include "gfx/core/log_line.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/state.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/files/safe_file.h"
#include "gfx/files/unlocked_read.h"
#include "gfx/gfx.h"

namespace gfx {

namespace {

constexpr std::size_t MaxLineLength = 511;
constexpr std::size_t MaxNumberLength = 11;
constexpr std::size_t KindLetterIndex = 6;  // after the six characters of "DROVA_"

ScriptState& script() {
    return state().script;
}
const char* fileName() {
    return toolHooks().scriptFileName.c_str();
}

void setCheck(int id, bool on) {
    if (Backend* b = backend()) b->setMenuCheck(id, on);
}

void tellBackend(ScriptChange change) {
    if (Backend* b = backend()) b->scriptChanged(change);
}

int openWriter() {
    if (Backend* b = backend(); b && !b->mayWriteScript()) return -1;
    const auto& open = toolHooks().openScriptForWriting;
    return open ? open() : openRegularFile(fileName(), O_WRONLY | O_CREAT | O_TRUNC);
}

// Writes all of text, going on after short writes; false when the file takes no more.
bool writeAll(int fd, std::string_view text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

void writeLine(const LogLine& built) {
    const std::string_view line = built.text();
    ScriptState& sc = script();
    if (sc.reader) closeScriptStream();
    if (sc.writer < 0) {
        sc.writer = openWriter();
        if (sc.writer < 0) {
            gfxPrintf("Cannot open script file %s for writing\n", fileName());
            return;
        }
        sc.written = 0;
        tellBackend(ScriptChange::Opened);
    }
    // Each line goes to the file at once, so an abrupt end loses nothing written so far.
    if (writeAll(sc.writer, line)) {
        sc.written += static_cast<long long>(line.size());
        tellBackend(ScriptChange::LineWritten);
        return;
    }
    // A full disk: the file keeps only whole lines, and the next line tries again.
    if (ftruncate(sc.writer, sc.written) == 0) lseek(sc.writer, sc.written, SEEK_SET);
    reportScriptWriteFailure();
}

void writePeriodicRun() {
    ScriptState& sc = script();
    if (sc.periodicRun > 0) {
        writeLine(LogLine() << "DROVA_PERIODIC(" << sc.periodicRun << ");\n");
        sc.periodicRun = 0;
    }
}

void stopRecording() {
    ScriptState& sc = script();
    setCheck(MenuId::RecordScript, false);
    sc.recording = false;
    writePeriodicRun();
    closeScriptStream();
}

// Reads one line of at most 511 characters; the rest of a longer line is skipped so
// that it is never taken for the next event. Returns false at the end of the file
// with nothing read; a last line without a line end is still a line.
bool readLine(std::FILE* f, std::string& line) {
    char text[MaxLineLength + 1];
    std::size_t n = 0;
    bool any = false;
    // The stream is the library's own, used by one thread: no locking per character.
    for (int c; (c = readByteUnlocked(f)) != EOF;) {
        any = true;
        if (c == '\n') {
            text[n++] = '\n';
            break;
        }
        if (n < MaxLineLength) text[n++] = static_cast<char>(c);
    }
    line.assign(text, n);
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
void produce(EventKind kind) {
    InputState& in = state().input;
    in.pendingKind = kind;
    in.eventX = 0;
    in.eventY = 0;
    in.eventKey = 0;
}

std::FILE* openReader() {
    if (const auto& open = toolHooks().openScriptForReading) return open();
    const int fd = openRegularFile(fileName(), O_RDONLY);
    if (fd < 0) return nullptr;
    std::FILE* f = fdopen(fd, "rb");
    if (!f) ::close(fd);
    return f;
}

bool openForReading() {
    ScriptState& sc = script();
    if (sc.writer >= 0) stopRecording();
    if (sc.reader) return true;
    sc.reader = openReader();
    return sc.reader != nullptr;
}

}  // namespace

void reportScriptWriteFailure() {
    gfxPrintf("Cannot write script file %s\n", fileName());
}

void closeScriptStream() {
    ScriptState& sc = script();
    if (sc.reader) std::fclose(sc.reader);
    const bool wrote = sc.writer >= 0;
    if (wrote && ::close(sc.writer) != 0) reportScriptWriteFailure();
    sc.reader = nullptr;
    sc.writer = -1;
    if (wrote) tellBackend(ScriptChange::Closed);
}

void recordEvent(EventKind kind, int x, int y, char key) {
    ScriptState& sc = script();
    if (kind == EventKind::Periodic) {
        ++sc.periodicRun;
        return;
    }
    writePeriodicRun();
    if (kind == EventKind::Mouse) {
        writeLine(LogLine() << "DROVA_MOUSE(" << x << ", " << y << ");\n");
    } else if (kind == EventKind::Keyboard) {
        writeLine(LogLine() << "DROVA_KBD(" << static_cast<int>(static_cast<signed char>(key))
                            << ");\n");
    }
}

void writePendingRecording() {
    if (script().recording) writePeriodicRun();
}

void saveRecordingAtEnd() {
    writePendingRecording();
    closeScriptStream();
}

int readScriptEvent() {
    ScriptState& sc = script();
    if (!openForReading()) {
        gfxPrintf("Cannot open script file %s for reading\n", fileName());
        stopPlayback();
        return 0;
    }
    if (sc.periodicRun > 0) {
        --sc.periodicRun;
        produce(EventKind::Periodic);
        return 1;
    }
    std::string& line = sc.line;  // kept, so that reading a line allocates nothing
    bool got = readLine(sc.reader, line);
    while (got && isBlank(line)) got = readLine(sc.reader, line);
    if (!got) {
        gfxPrintf("EOF encountered in script file %s\n", fileName());
        stopPlayback();
        // Forgotten at its end, so the next playback or play one starts the script over.
        closeScriptStream();
        return 0;
    }
    if (line.size() <= KindLetterIndex) return 0;
    std::size_t pos = KindLetterIndex;
    InputState& in = state().input;
    switch (line[KindLetterIndex]) {
        case 'K':
            produce(EventKind::Keyboard);
            in.eventKey = static_cast<char>(scanNumber(line, pos));
            break;
        case 'M':
            produce(EventKind::Mouse);
            in.eventX = scanNumber(line, pos);
            in.eventY = scanNumber(line, pos);
            break;
        case 'P': {
            produce(EventKind::Periodic);
            const int n = scanNumber(line, pos);
            sc.periodicRun = n > 1 ? n - 1 : 0;  // this event is the first of the run
            break;
        }
        default:
            return 0;
    }
    return 1;
}

void toggleRecording() {
    ScriptState& sc = script();
    if (sc.recording) {
        stopRecording();
        return;
    }
    if (sc.playingBack || sc.playOnePending) stopPlayback();
    if (sc.reader) closeScriptStream();
    sc.periodicRun = 0;  // a run left over from playback is not ours to write
    setCheck(MenuId::RecordScript, true);
    sc.recording = true;
}

void togglePlayback() {
    ScriptState& sc = script();
    if (sc.playingBack) {
        sc.playingBack = false;
        setCheck(MenuId::PlaybackScript, false);
        closeScriptStream();
        sc.periodicRun = 0;
        return;
    }
    if (sc.recording) stopRecording();
    setCheck(MenuId::PlaybackScript, true);
    state().animation.animating = false;
    state().animation.framesRequested = 0;
    sc.playingBack = true;
}

void requestPlayOne() {
    ScriptState& sc = script();
    if (sc.recording) stopRecording();
    sc.playOnePending = true;
    state().animation.animating = false;
    state().animation.framesRequested = 0;
}

void stopPlayback() {
    ScriptState& sc = script();
    sc.playingBack = false;
    sc.playOnePending = false;
    setCheck(MenuId::PlaybackScript, false);
}

void closeScript() {
    ScriptState& sc = script();
    if (sc.recording) stopRecording();
    if (sc.playingBack || sc.playOnePending) stopPlayback();
    closeScriptStream();
    sc.periodicRun = 0;
}

}  // namespace gfx
