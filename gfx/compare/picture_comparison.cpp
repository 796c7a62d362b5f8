#include "gfx/compare/picture_comparison.h"

namespace gfx {

long long differingPixels(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    long long count = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) count += a.pixels[i] != b.pixels[i];
    return count;
}

std::optional<PictureComparison> comparePictures(const std::string& pathA, const std::string& pathB,
                                                 std::string& error) {
    PictureStream a, b;
    if (!a.open(pathA, error) || !b.open(pathB, error)) return std::nullopt;
    if (a.kind() != b.kind()) {
        error = pathA + " is " + describe(a.kind()) + " and " + pathB + " " + describe(b.kind()) +
                ": only pictures of one kind compare";
        return std::nullopt;
    }
    if (a.width() != b.width() || a.height() != b.height()) {
        error = "the pictures differ in size: " + pathA + " is " + std::to_string(a.width()) +
                " x " + std::to_string(a.height()) + " pixels, " + pathB + " " +
                std::to_string(b.width()) + " x " + std::to_string(b.height()) +
                ": only pictures of one size compare";
        return std::nullopt;
    }
    PictureComparison result;
    result.kind = a.kind();
    result.width = a.width();
    result.height = a.height();
    for (;;) {
        const bool gotA = a.nextFrame(error);
        if (!error.empty()) return std::nullopt;
        const bool gotB = b.nextFrame(error);
        if (!error.empty()) return std::nullopt;
        if (!gotA || !gotB) {
            // The longer animation is read to its end, so that its frames are counted
            // and a damaged end is found.
            PictureStream& longer = gotA ? a : b;
            if (gotA || gotB)
                while (longer.nextFrame(error)) {
                }
            if (!error.empty()) return std::nullopt;
            break;
        }
        const long long n = differingPixels(a.frame(), b.frame());
        result.differingPixels += n;
        if (n == 0) continue;
        ++result.differingFrames;
        if (!result.firstFrame) {
            result.firstFrame = a.framesRead();
            result.shownA = a.frame();
            result.shownB = b.frame();
        }
    }
    result.framesA = a.framesRead();
    result.framesB = b.framesRead();
    if (!result.firstFrame) {
        result.shownA = a.frame();
        result.shownB = b.frame();
    }
    return result;
}

}  // namespace gfx
