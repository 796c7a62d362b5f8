// What the compare command's tests share: a scratch folder, and runs written into it
// as the headless runner writes them (a log, a PNG, a GIF through the runner's writer).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/render/pixel_image.h"
#include "gfx/render/png_writer.h"
#include "gfx/tools/compare/compare_tool.h"
#include "gfx/tools/runner/gif_writer.h"
#include "tests/support/scratch_folder.h"

// A build without giflib (Windows) writes and reads no GIF pictures.
#ifdef GFX_TESTS_HAVE_GIF
inline constexpr bool GifsAvailable = true;
#else
inline constexpr bool GifsAvailable = false;
#endif
#define SKIP_WITHOUT_GIFS() \
    if (!GifsAvailable) GTEST_SKIP() << "this build has no GIF pictures"

class CompareTest : public ::testing::Test {
protected:
    ScratchFolder scratch{"compare_test"};

    std::string at(const std::string& name) const { return (dir / name).string(); }

    std::string writeText(const std::string& name, const std::string& text) const {
        std::ofstream(at(name), std::ios::binary) << text;
        return at(name);
    }
    std::string writeLines(const std::string& name, const std::vector<std::string>& lines) const {
        std::string text;
        for (const std::string& line : lines) text += line + "\n";
        return writeText(name, text);
    }
    std::string writePicture(const std::string& name, const gfx::PixelImage& image) const {
        std::string error;
        EXPECT_TRUE(gfx::writePng(image, at(name), error)) << error;
        return at(name);
    }
    // An animation of the window's size, one frame per image.
    std::string writeGif(const std::string& name,
                         const std::vector<gfx::PixelImage>& frames) const {
        GifWriter gif;
        std::string error;
        EXPECT_TRUE(gif.open(at(name), error)) << error;
        for (const gfx::PixelImage& frame : frames)
            EXPECT_TRUE(gif.addFrame(frame, error)) << error;
        EXPECT_TRUE(gif.finish(error)) << error;
        return at(name);
    }

    // The command on these arguments: its status, report and message.
    struct Result {
        int status;
        std::string out, err;
    };
    static Result compare(const std::vector<std::string>& args) {
        Result r{};
        r.status = gfx::runCompare(args, r.out, r.err);
        return r;
    }

    const std::filesystem::path dir = scratch.path();
};

// A picture smaller than a run's, which is quick to write and read in a debug build;
// the command compares pictures of any one size.
inline gfx::PixelImage smallPicture(int width = 60, int height = 40) {
    return gfx::PixelImage(gfx::PixelFormat::Xrgb32, width, height);
}

// Sets one pixel of an image to a palette colour.
inline void setPixel(gfx::PixelImage& image, int x, int y, int colour) {
    image.data()[static_cast<std::size_t>(y) * image.width() + x] = image.value(colour);
}

// A small log of two ticks as the bounce example draws them, the ball at x.
inline std::vector<std::string> bounceLog(int secondX = 18) {
    return {"Flushing the graphics window",
            "Clearing the graphics window",
            "ice blue rectangle with bounding box (-300,250) to (300,-250), filled",
            "red circle at (9,6), radius 20",
            "Flushing the graphics window",
            "Clearing the graphics window",
            "ice blue rectangle with bounding box (-300,250) to (300,-250), filled",
            "red circle at (" + std::to_string(secondX) + ",12), radius 20"};
}
