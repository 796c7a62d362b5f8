#include "gfx/tools/compare/compare_tool.h"

#include "gfx/files/safe_file.h"
#include "gfx/tools/compare/compare_options.h"
#include "gfx/tools/compare/compare_report.h"
#include "gfx/tools/compare/log_comparison.h"
#include "gfx/tools/compare/marked_picture.h"
#include "gfx/tools/compare/picture_comparison.h"

namespace gfx {

namespace {

int unreadable(const std::string& message, std::string& err) {
    err = "town-compare: " + message + "\n";
    return RunsUnreadable;
}

}  // namespace

int runCompare(const std::vector<std::string>& args, std::string& out, std::string& err) {
    std::string error;
    const auto options = parseCompareOptions(args, error);
    if (!options) return unreadable(error, err);
    if (options->help) {
        out = compareUsage();
        return RunsEqual;
    }
    // Found before the runs are read, which may take a while.
    if (!options->marked.empty() && !writable(options->marked, error))
        return unreadable("cannot write " + options->marked + ": " + error, err);
    // Pictures that cannot compare are found before the logs, which may be long, are read.
    PictureStream pictureA, pictureB;
    if (!openPictures(options->pictureA, options->pictureB, pictureA, pictureB, error))
        return unreadable(error, err);
    const auto logs = compareLogs(options->logA, options->logB, error);
    if (!logs) return unreadable(error, err);
    const auto pictures = comparePictures(pictureA, pictureB, error);
    if (!pictures) return unreadable(error, err);
    if (!options->marked.empty() &&
        !writeMarkedPicture(pictures->shownA, pictures->shownB, options->marked, error))
        return unreadable(error, err);

    const RunNames names{options->logA, options->pictureA, options->logB, options->pictureB};
    out = describeLogs(*logs, names) + describePictures(*pictures, names);
    if (!options->marked.empty()) out += "Marked picture: " + options->marked + "\n";
    return logs->equal() && pictures->equal() ? RunsEqual : RunsDiffer;
}

}  // namespace gfx
