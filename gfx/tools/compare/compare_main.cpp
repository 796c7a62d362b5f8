// town-compare: the command that compares two runs.
#include <cstdio>

#include "gfx/tools/compare/compare_tool.h"

int main(int argc, char** argv) {
    std::string out, err;
    const int status =
        gfx::runCompare(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), out, err);
    std::fputs(out.c_str(), stdout);
    std::fputs(err.c_str(), stderr);
    // A report that did not reach its reader is no answer.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("town-compare: cannot write the report to standard output\n", stderr);
        return gfx::RunsUnreadable;
    }
    return status;
}
