#include "gfx/tools/compare/picture_comparison.h"

#include <cstring>

namespace gfx {

long long differingPixels(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    long long count = 0;
    const auto width = static_cast<std::size_t>(a.width);
    for (std::size_t row = 0; row < a.pixels.size(); row += width) {
        const std::uint32_t* pa = a.pixels.data() + row;
        const std::uint32_t* pb = b.pixels.data() + row;
        // Frames of a run differ in a few places: most rows are skipped whole.
        if (std::memcmp(pa, pb, width * sizeof *pa) == 0) continue;
        for (std::size_t x = 0; x < width; ++x) count += pa[x] != pb[x];
    }
    return count;
}

bool openPictures(const std::string& pathA, const std::string& pathB, PictureStream& a,
                  PictureStream& b, std::string& error) {
    if (!a.open(pathA, error) || !b.open(pathB, error)) return false;
    if (a.kind() != b.kind()) {
        error = pathA + " is " + describe(a.kind()) + " and " + pathB + " " + describe(b.kind()) +
                ": only pictures of one kind compare";
        return false;
    }
    if (a.width() != b.width() || a.height() != b.height()) {
        error = "the pictures differ in size: " + pathA + " is " + std::to_string(a.width()) +
                " x " + std::to_string(a.height()) + " pixels, " + pathB + " " +
                std::to_string(b.width()) + " x " + std::to_string(b.height()) +
                ": only pictures of one size compare";
        return false;
    }
    return true;
}

std::optional<PictureComparison> comparePictures(const std::string& pathA, const std::string& pathB,
                                                 std::string& error) {
    PictureStream a, b;
    if (!openPictures(pathA, pathB, a, b, error)) return std::nullopt;
    return comparePictures(a, b, error);
}

std::optional<PictureComparison> comparePictures(PictureStream& a, PictureStream& b,
                                                 std::string& error) {
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
