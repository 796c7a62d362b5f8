// town-compare: two runs compared, each a drawing log and its picture.
#pragma once

#include <string>
#include <vector>

namespace gfx {

// The exit statuses, as diff and cmp have them.
enum CompareStatus : int { RunsEqual = 0, RunsDiffer = 1, RunsUnreadable = 2 };

// Compares the runs the arguments (after the program name) name. The report goes to
// out; a bad argument or a file that cannot be read or written is one line in err.
int runCompare(const std::vector<std::string>& args, std::string& out, std::string& err);

}  // namespace gfx
