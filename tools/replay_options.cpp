#include "tools/replay_options.h"

#include <charconv>

const char* const ReplayUsage =
    "Usage: town-replay [--seed N] [--script FILE] [--ticks N] [--log] [--png FILE]\n"
    "Runs the town without windows, as fast as the machine allows.\n"
    "  --seed N       calendar time that seeds the random generator (default: now)\n"
    "  --script FILE  play FILE back from the first wait on, as Ctrl+P would\n"
    "  --ticks N      quit after N periodic events\n"
    "  --log          switch the drawing log on and write every text-window line to\n"
    "                 standard output\n"
    "  --png FILE     write the picture after the last repaint as a PNG file\n"
    "  --help         show this text\n"
    "Without --ticks or a script that ends in a quit, the run does not end by itself.\n";

namespace {

bool parseNumber(const std::string& text, long long& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

std::optional<ReplayOptions> parseReplayOptions(const std::vector<std::string>& args,
                                                std::string& error) {
    ReplayOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--log") {
            options.log = true;
        } else if (arg == "--seed" || arg == "--ticks") {
            if (!value(text)) return std::nullopt;
            long long n = 0;
            if (!parseNumber(text, n) || (arg == "--ticks" && n < 0)) {
                error = arg + " needs a whole number" + (arg == "--ticks" ? " of 0 or more" : "") +
                        ", not '" + text + "'";
                return std::nullopt;
            }
            (arg == "--seed" ? options.seed : options.ticks) = n;
        } else if (arg == "--script" || arg == "--png") {
            if (!value(text)) return std::nullopt;
            if (text.empty()) {
                error = arg + " needs a file name";
                return std::nullopt;
            }
            (arg == "--script" ? options.script : options.png) = text;
        } else {
            error = "unknown argument '" + arg + "' (try --help)";
            return std::nullopt;
        }
    }
    return options;
}
