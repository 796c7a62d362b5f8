#include "gfx/tools/compare/compare_options.h"

#include <CLI/CLI.hpp>

namespace {

// One parser definition serves both the parsing and the help text.
struct Parser {
    CLI::App app{
        "Compares two runs of a program, each a drawing log (--log) and its picture (--png or "
        "--gif),\nand says where they first differ.",
        "town-compare"};
    CompareOptions options;

    Parser() {
        app.set_help_flag("-h,--help", "show this text");
        app.add_option("LOG_A", options.logA, "the first run's drawing log")->required();
        app.add_option("PICTURE_A", options.pictureA, "its PNG or GIF picture")->required();
        app.add_option("LOG_B", options.logB, "the second run's drawing log")->required();
        app.add_option("PICTURE_B", options.pictureB, "its picture, of the same kind and size")
            ->required();
        app.add_option("--marked", options.marked,
                       "write both pictures side by side as a PNG file, the pixels that differ "
                       "in magenta (for GIFs, the first frames that differ)")
            ->option_text("FILE");
        app.footer(
            "A tick of a log begins at each \"Flushing the graphics window\", which "
            "Display::clear writes.\nExit status: 0 when the runs are equal, 1 when they "
            "differ, 2 when they cannot be read.");
    }
};

}  // namespace

std::optional<CompareOptions> parseCompareOptions(const std::vector<std::string>& args,
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
    const CompareOptions& o = p.options;
    for (const std::string* name : {&o.logA, &o.pictureA, &o.logB, &o.pictureB})
        if (name->empty()) {
            error = "a file name is empty";
            return std::nullopt;
        }
    if (p.app.count("--marked") && o.marked.empty()) {
        error = "--marked needs a file name";
        return std::nullopt;
    }
    return p.options;
}

std::string compareUsage() {
    Parser p;
    return p.app.help();
}
