// Two pictures of runs compared pixel by pixel, frame by frame for animations.
#pragma once

#include <optional>
#include <string>

#include "gfx/tools/compare/picture.h"
#include "gfx/tools/compare/picture_stream.h"

namespace gfx {

struct PictureComparison {
    PictureKind kind = PictureKind::Png;
    int width = 0, height = 0;
    long long framesA = 0, framesB = 0;  // 1 each for PNG
    long long differingPixels = 0;       // over the frames both have
    long long differingFrames = 0;
    std::optional<long long> firstFrame;  // from 1
    // The first frames that differ, else the last frame of each: what the marked picture
    // shows.
    Picture shownA, shownB;

    bool equal() const { return differingPixels == 0 && framesA == framesB; }
};

// Pixels differing between two pictures of one size; -1 when the sizes differ.
long long differingPixels(const Picture& a, const Picture& b);

// Opens both pictures (a PNG is read whole, a GIF up to its first frame); false with a
// one-line reason for a file that cannot be read, is no PNG or GIF, or does not match
// the other in kind or size.
bool openPictures(const std::string& pathA, const std::string& pathB, PictureStream& a,
                  PictureStream& b, std::string& error);

// Reads two opened pictures to their end; on a damaged frame, returns nothing with a
// one-line reason.
std::optional<PictureComparison> comparePictures(PictureStream& a, PictureStream& b,
                                                 std::string& error);
// Both at once.
std::optional<PictureComparison> comparePictures(const std::string& pathA, const std::string& pathB,
                                                 std::string& error);

}  // namespace gfx
