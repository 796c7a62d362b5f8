// Command line of town-compare: two runs, each a drawing log and its picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CompareOptions {
    std::string logA, pictureA;  // the first run
    std::string logB, pictureB;  // the second run
    std::string marked;          // where the marked picture goes; none when empty
    bool help = false;
};

// Parses the arguments after the program name. On a bad argument returns nothing and
// sets error to a one-line explanation.
std::optional<CompareOptions> parseCompareOptions(const std::vector<std::string>& args,
                                                  std::string& error);

// The --help text.
std::string compareUsage();
