#include "gfx/tools/runner/replay_options.h"

#include <CLI/CLI.hpp>
#include <charconv>

namespace {

// One parser definition serves both the parsing and the help text.
struct Parser {
    CLI::App app;
    ReplayOptions options;
    // Numbers are taken as text and read here: the parser would accept "" and overflow.
    std::string seed;
    std::string ticks;
    std::string gifFrom;

    explicit Parser(const ReplayTexts& texts = {}) : app(texts.summary, texts.name) {
        app.set_help_flag("-h,--help", "show this text");
        app.add_option("--seed", seed,
                       "calendar time that seeds the random generator (default: now)")
            ->option_text("N");
        app.add_option("--script", options.script,
                       "play FILE back from the first wait on, as Ctrl+P would")
            ->option_text("FILE");
        app.add_option("--answers", options.answers,
                       "answer the input dialog with FILE's lines, one a question; empty "
                       "lines after its end (default: empty lines)")
            ->option_text("FILE");
        app.add_option("--ticks", ticks, "quit after N periodic events")->option_text("N");
        app.add_flag("--log", options.log,
                     "switch the drawing log on and write every text-window line to standard "
                     "output");
        app.add_flag("--log-events", options.logEvents,
                     "with --log, write each event as a script line (DROVA_PERIODIC(1); for a "
                     "tick) before the lines it draws");
        app.add_option("--png", options.png,
                       "write the picture after the last repaint as a PNG file")
            ->option_text("FILE");
        app.add_option("--gif", options.gif,
                       "write the picture after every periodic event as an animated GIF file, "
                       "100 ms a frame")
            ->option_text("FILE");
        app.add_option("--gif-from", gifFrom,
                       "start the GIF at the Nth periodic event (default: the first)")
            ->option_text("N");
        app.footer(
            "Without --ticks or a script the run ends when nothing is left to happen (halted, "
            "no script).\nScripts hold clicks, keys and periodic events; a run never records a "
            "quit.");
    }
};

bool readWholeNumber(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace

std::optional<ReplayOptions> parseReplayOptions(const std::vector<std::string>& args,
                                                std::string& error) {
    Parser p;
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
    try {
        p.app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        p.options.help = true;
        return p.options;
    } catch (const CLI::ParseError& e) {
        error = std::string(e.what()) + " (try --help)";
        return std::nullopt;
    }
    for (const char* name : {"--script", "--answers", "--png", "--gif"}) {
        const CLI::Option* o = p.app.get_option(name);
        if (o->count() > 0 && o->as<std::string>().empty()) {
            error = std::string(name) + " needs a file name";
            return std::nullopt;
        }
    }
    if (p.options.logEvents && !p.options.log) {
        error = "--log-events needs --log";
        return std::nullopt;
    }
    long long n = 0;
    if (p.app.count("--seed")) {
        if (!readWholeNumber(p.seed, n)) {
            error = "--seed needs a whole number, not '" + p.seed + "'";
            return std::nullopt;
        }
        p.options.seed = n;
    }
    if (p.app.count("--ticks")) {
        if (!readWholeNumber(p.ticks, n) || n < 0) {
            error = "--ticks needs a whole number of 0 or more, not '" + p.ticks + "'";
            return std::nullopt;
        }
        p.options.ticks = n;
    }
    if (p.app.count("--gif-from")) {
        if (!readWholeNumber(p.gifFrom, n) || n < 1) {
            error = "--gif-from needs a whole number of 1 or more, not '" + p.gifFrom + "'";
            return std::nullopt;
        }
        if (p.options.gif.empty()) {
            error = "--gif-from needs --gif";
            return std::nullopt;
        }
        p.options.gifFrom = n;
    }
    return p.options;
}

std::string replayUsage(const ReplayTexts& texts) {
    Parser p(texts);
    return p.app.help();
}
