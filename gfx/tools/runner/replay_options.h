// Command line of the headless runner, which every program linked with it offers.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct ReplayOptions {
    std::optional<long long> seed;   // calendar time that seeds the generator; now when unset
    std::string script;              // played back from the first wait on
    std::string answers;             // the input dialog's answers, one a line
    std::optional<long long> ticks;  // quit after this many periodic events
    bool log = false;                // every text-window line to standard output
    bool logEvents = false;          // and each event as a script line before its drawing
    std::string png;                 // the off-screen image after the last repaint
    std::string gif;                 // the picture after every periodic event, animated
    long long gifFrom = 1;           // the first periodic event the GIF shows
    bool help = false;
};

// Parses the arguments after the program name. On a bad argument returns nothing
// and sets error to a one-line explanation.
std::optional<ReplayOptions> parseReplayOptions(const std::vector<std::string>& args,
                                                std::string& error);

// What --help calls the program and says it does.
struct ReplayTexts {
    std::string name = "replay";
    std::string summary = "Runs the program without windows, as fast as the machine allows.";
};

// The --help text.
std::string replayUsage(const ReplayTexts& texts = {});
