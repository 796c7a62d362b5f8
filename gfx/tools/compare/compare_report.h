// What town-compare says about two runs: where their logs first differ, in how many
// lines, and how many pixels of their pictures differ.
#pragma once

#include <string>

#include "gfx/tools/compare/log_comparison.h"
#include "gfx/tools/compare/picture_comparison.h"

namespace gfx {

struct RunNames {
    std::string logA, pictureA, logB, pictureB;
};

std::string describeLogs(const LogComparison& logs, const RunNames& names);
std::string describePictures(const PictureComparison& pictures, const RunNames& names);

}  // namespace gfx
