#include "gfx/tools/runner/headless_runner.h"

#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gfx/backends/headless/headless_backend.h"
#include "gfx/core/library_reset.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/tool_hooks.h"
#include "gfx/files/safe_file.h"
#include "gfx/gfx.h"
#include "gfx/tools/runner/gif_writer.h"

namespace {

// The program's file name without its folder (or, on Windows, its ".exe").
std::string programNameOf(const std::string& path) {
#ifdef _WIN32
    std::string name = path.substr(path.find_last_of("/\\") + 1);
    const std::string exe = ".exe";
    if (name.size() > exe.size()) {
        std::string end = name.substr(name.size() - exe.size());
        for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (end == exe) name.resize(name.size() - exe.size());
    }
    return name;
#else
    return path.substr(path.find_last_of('/') + 1);
#endif
}

// The program's name as it was started, for its messages.
std::string programName = "replay";

int fail(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", programName.c_str(), message.c_str());
    return 2;
}

// An interrupted run (Ctrl+C, a kill) takes its unfinished GIF with it; the signal
// then ends the process as it would have.
char unfinishedGif[4096];
#ifdef _WIN32
constexpr int Interrupts[] = {SIGINT, SIGTERM};
#else
constexpr int Interrupts[] = {SIGINT, SIGTERM, SIGHUP};
#endif

void dropUnfinishedGif(int signal) {
    unlink(unfinishedGif);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void dropOnInterrupt(const std::string& temporaryPath) {
    if (temporaryPath.size() >= sizeof unfinishedGif) return;
    std::memcpy(unfinishedGif, temporaryPath.c_str(), temporaryPath.size() + 1);
    for (int signal : Interrupts) std::signal(signal, dropUnfinishedGif);
}

// Holds back the interrupts while files are probed and created; a signal that came
// meanwhile is delivered when they are let through again (at the latest on return).
// Windows has no signal mask (and its runner writes no GIF to leave behind).
#ifdef _WIN32
class InterruptsHeld {
public:
    void release() {}
};
#else
class InterruptsHeld {
public:
    InterruptsHeld() {
        sigemptyset(&held_);
        for (int signal : Interrupts) sigaddset(&held_, signal);
        sigprocmask(SIG_BLOCK, &held_, &previous_);
    }
    ~InterruptsHeld() { release(); }
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

    void release() {
        if (released_) return;
        released_ = true;
        sigprocmask(SIG_SETMASK, &previous_, nullptr);
    }

private:
    sigset_t held_{};
    sigset_t previous_{};
    bool released_ = false;
};
#endif

// An event in the log as a script holds it, one line per event, so that the log shows
// where each tick begins; a quit, which a script never holds, is left out.
void logEvent(gfx::EventKind kind, int x, int y, char key) {
    if (kind == gfx::EventKind::Periodic)
        std::fputs("DROVA_PERIODIC(1);\n", stdout);
    else if (kind == gfx::EventKind::Mouse)
        std::fprintf(stdout, "DROVA_MOUSE(%d, %d);\n", x, y);
    else if (kind == gfx::EventKind::Keyboard)
        std::fprintf(stdout, "DROVA_KBD(%d);\n", static_cast<int>(static_cast<signed char>(key)));
}

// One line of the answers, without its line end (a file written on Windows has CR LF);
// empty once the file has ended.
std::string nextAnswer(std::istream& answers) {
    std::string line;
    if (!std::getline(answers, line)) return {};
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

int gfx::runHeadlessProgram(int argc, char** argv, ReplayTexts texts) {
    // Named as it was started, so that each program's messages carry its own name.
    if (argc > 0 && argv[0][0] != '\0') texts.name = programNameOf(argv[0]);
#ifdef _WIN32
    // The log is the same bytes on every platform: no line ends made CRLF.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    programName = texts.name;
    std::string error;
    const auto options =
        parseReplayOptions(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), error);
    if (!options) return fail(error);
    if (options->help) {
        std::fputs(replayUsage(texts).c_str(), stdout);
        return 0;
    }
    // Until the handler that removes the unfinished GIF is in place, an interrupt waits:
    // the probes below and the temporary file are never left behind by a kill.
    InterruptsHeld held;
    if (!options->png.empty() && !gfx::writable(options->png, error))
        return fail("cannot write " + options->png + ": " + error);
    if (!options->gif.empty() && !gfx::writable(options->gif, error))
        return fail("cannot write " + options->gif + ": " + error);
    if (!options->script.empty() && !gfx::readableFile(options->script, error))
        return fail("cannot read " + options->script + ": " + error);
    std::ifstream answers;
    if (!options->answers.empty()) {
        if (!gfx::readableFile(options->answers, error))
            return fail("cannot read " + options->answers + ": " + error);
        answers.open(options->answers);
        if (!answers) return fail("cannot read " + options->answers);
    }
    std::optional<GifWriter> gif;
    if (!options->gif.empty() && !gif.emplace().open(options->gif, error)) return fail(error);
    if (gif) dropOnInterrupt(gif->temporaryPath());
    held.release();

    gfx::HeadlessBackend& backend = gfx::resetLibraryWith<gfx::HeadlessBackend>();
    backend.setKeepLines(false);
    backend.setCalendarTime(options->seed ? static_cast<std::time_t>(*options->seed)
                                          : std::time(nullptr));
    // Each question takes the file's next line; past its end, an empty one.
    if (answers.is_open()) backend.setAnswerSource([&answers] { return nextAnswer(answers); });

    gfx::ToolHooks& hooks = gfx::toolHooks();
    hooks.echoText = options->log;
    if (options->log) backend.post(gfx::Message::command(gfx::MenuId::Logging));
    if (!options->script.empty()) {
        hooks.scriptFileName = options->script;
        backend.post(gfx::Message::command(gfx::MenuId::PlaybackScript));
    }

    // Nothing left to happen (no animation, no script): the run is over.
    backend.setIdleHandler([](gfx::HeadlessBackend& b) {
        if (gfx::nothingScheduled()) b.post(gfx::Message::quit());
    });

    const bool progress = isatty(STDERR_FILENO);
    long long periodic = 0;
    const long long limit = options->ticks.value_or(-1);
    if (limit == 0) backend.post(gfx::Message::quit());
    hooks.eventObserver = [&](EventKind kind, int x, int y, char key) {
        if (options->logEvents) logEvent(kind, x, y, key);
        if (kind != EventKind::Periodic) return;
        ++periodic;
        if (periodic == limit)
            gfxSetAnimation(animationCode(AnimationMode::Quit));  // the next event is the quit
        if (progress && periodic % 1000 == 0) {
            if (limit > 0)
                std::fprintf(stderr, "\r%s: tick %lld of %lld", programName.c_str(), periodic,
                             limit);
            else
                std::fprintf(stderr, "\r%s: tick %lld", programName.c_str(), periodic);
        }
    };

    bool framePending = false;
    std::string gifError;
    if (gif) {
        hooks.eventObserver = [&, countTicks = hooks.eventObserver](EventKind kind, int x, int y,
                                                                    char key) {
            // The picture of a periodic event is complete when the next event comes.
            if (framePending) {
                framePending = false;
                if (!gif->addFrame(backend.image(), gifError))
                    backend.post({gfx::MessageKind::Quit});  // no reason to run on
            }
            countTicks(kind, x, y, key);
            framePending =
                kind == EventKind::Periodic && gifError.empty() && periodic >= options->gifFrom;
        };
    }

    appMain();
    if (progress && periodic >= 1000) std::fputc('\n', stderr);

    int status = 0;
    // A log that did not reach its reader is a failed run, not a short one.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        status = fail(std::string("cannot write the log to standard output: ") +
                      std::strerror(errno ? errno : EIO));
    if (answers.bad()) status = fail("cannot read " + options->answers + ": a read failed");
    if (!options->png.empty() && !backend.savePng(options->png, error)) status = fail(error);
    if (gif && gifError.empty() && gif->frames() == 0)
        gifError = "no frame for " + options->gif + ": the run ended after " +
                   std::to_string(periodic) + " periodic events";
    if (gif && gifError.empty()) gif->finish(gifError);
    unfinishedGif[0] = '\0';
    if (!gifError.empty()) status = fail(gifError);
    gfx::setBackend(nullptr);
    return status;
}
