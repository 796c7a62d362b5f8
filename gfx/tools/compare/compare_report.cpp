#include "gfx/tools/compare/compare_report.h"

namespace gfx {

namespace {

std::string number(long long n) {
    return std::to_string(n);
}

std::string sideLine(const std::string& name, long long line, const LogSide& side) {
    return "  " + name + ":" + number(line) + ": " + (side.line ? *side.line : "(the log ends)") +
           "\n";
}

std::string plural(long long n, const char* one, const char* many) {
    return number(n) + " " + (n == 1 ? one : many);
}

}  // namespace

std::string describeLogs(const LogComparison& logs, const RunNames& names) {
    if (logs.equal())
        return "Logs are equal: " + plural(logs.linesA, "line", "lines") + ", " +
               plural(logs.ticksA, "tick", "ticks") + "\n";
    const FirstLogDifference& d = *logs.first;
    std::string text = "Logs differ, first at line " + number(d.line) + ": ";
    // An event stands between drawing calls: it is placed after the last one drawn.
    const std::string place = d.event ? (d.call == 1 ? "before its first drawing call"
                                                     : "after drawing call " + number(d.call - 1))
                                      : "drawing call " + number(d.call);
    text += d.tick == 0 ? "before the first tick, " + place
                        : "tick " + number(d.tick) + ", " + place + (d.event ? "" : " of the tick");
    // Appended one by one: "\n" + a temporary string trips GCC 12's -Wrestrict at -O3.
    text += '\n';
    text += sideLine(names.logA, d.line, d.a);
    text += sideLine(names.logB, d.line, d.b);
    const std::string bound = logs.rough ? "at most " : "";
    text += "Lines that differ: " + bound + number(logs.onlyInA) + " of " +
            plural(logs.linesA, "line", "lines") + " in " + names.logA + ", " + bound +
            number(logs.onlyInB) + " of " + number(logs.linesB) + " in " + names.logB + "\n";
    return text;
}

std::string describePictures(const PictureComparison& p, const RunNames& names) {
    const std::string size = number(p.width) + " x " + number(p.height) + " pixels";
    if (p.kind == PictureKind::Png) {
        if (p.equal()) return "Pictures are equal: " + size + "\n";
        return "Pictures differ: " + number(p.differingPixels) + " of " +
               number(static_cast<long long>(p.width) * p.height) + " pixels (" + size + ")\n";
    }
    const long long common = std::min(p.framesA, p.framesB);
    if (p.equal())
        return "Pictures are equal: " + plural(p.framesA, "frame", "frames") + " of " + size + "\n";
    std::string text = "Pictures differ: ";
    if (p.framesA != p.framesB)
        text += names.pictureA + " has " + plural(p.framesA, "frame", "frames") + ", " +
                names.pictureB + " " + number(p.framesB) + "; ";
    if (p.differingPixels == 0)
        return text + "the " + plural(common, "frame", "frames") + " both have are the same (" +
               size + " a frame)\n";
    text += plural(p.differingPixels, "pixel", "pixels") + " in " + number(p.differingFrames) +
            " of " + (p.framesA != p.framesB ? "the " : "") + plural(common, "frame", "frames") +
            (p.framesA != p.framesB ? " both have" : "") + ", the first in frame " +
            number(*p.firstFrame) + " (" + size + " a frame)\n";
    return text;
}

}  // namespace gfx
