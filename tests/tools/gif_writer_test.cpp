// The animated GIF writer: frames read back with giflib show exactly the images given,
// in the palette's colours, 100 ms each; a failed write leaves nothing behind.
#include "gfx/tools/runner/gif_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/support/scratch_folder.h"
#include "tests/tools/gif_frames.h"
#include "vehicles/library_names.h"

namespace {

namespace fs = std::filesystem;
using gfx::PixelImage;

class GifWriterTest : public ::testing::Test {
protected:
    ScratchFolder scratch{"gif_writer_test"};

    std::vector<std::string> filesInDir() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        return names;
    }

    const fs::path dir = scratch.path();
};

void paint(PixelImage& image, int x0, int y0, int x1, int y1, int colour) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            image.data()[y * PixelImage::Width + x] = image.value(colour);
}

// Every shown pixel of a frame is the image's, over the 501 rows the window shows.
void expectShows(const GifFrames& gif, int frame, const PixelImage& image) {
    int wrong = 0;
    for (int y = 0; y < GifWriter::Rows; ++y)
        for (int x = 0; x < PixelImage::Width; ++x)
            if (gif.rgbAt(frame, x, y) != image.rgbAt(x, y)) ++wrong;
    EXPECT_EQ(wrong, 0) << "frame " << frame;
}

TEST_F(GifWriterTest, FramesShowTheImagesInThePalettesColours) {
    // Every palette colour once, in the first frame; then a moving block; then nothing new.
    PixelImage first;
    for (int c = 0; c < palette::ColourCount; ++c) paint(first, c * 20, 0, c * 20 + 19, 30, c);
    PixelImage second = first;
    paint(second, 100, 200, 140, 220, palette::Orange);
    second.data()[490 * PixelImage::Width + 7] = second.value(palette::Blue);
    // Below the window's 501 rows: the GIF never shows it.
    paint(second, 0, 510, 600, 539, palette::Black);
    const PixelImage third = second;

    const std::string path = dir / "run.gif";
    GifWriter writer;
    std::string error;
    ASSERT_TRUE(writer.open(path, error)) << error;
    for (const PixelImage* image :
         std::initializer_list<const PixelImage*>{&first, &second, &third})
        ASSERT_TRUE(writer.addFrame(*image, error)) << error;
    ASSERT_TRUE(writer.finish(error)) << error;
    EXPECT_EQ(writer.frames(), 3);
    EXPECT_EQ(filesInDir(), std::vector<std::string>{"run.gif"});

    GifFrames gif;
    ASSERT_TRUE(readGifFrames(path, gif, error)) << error;
    EXPECT_EQ(gif.width, 601);
    EXPECT_EQ(gif.height, 501);
    EXPECT_TRUE(gif.loops);
    ASSERT_EQ(gif.colourTable.size(), 32u);
    for (int c = 0; c < palette::ColourCount; ++c)
        EXPECT_EQ(gif.colourTable[c], first.rgbAt(c * 20, 0)) << "colour " << c;
    ASSERT_EQ(gif.info.size(), 3u);
    for (const GifFrameInfo& f : gif.info) {
        EXPECT_EQ(f.delayCentiseconds, 10);
        EXPECT_EQ(f.disposal, 1);  // left in place for the next frame to draw over
    }
    // The first frame whole; then only the rectangle that changed; then one pixel.
    const GifFrameInfo& a = gif.info[0];
    EXPECT_EQ((std::vector<int>{a.left, a.top, a.width, a.height, a.transparentIndex}),
              (std::vector<int>{0, 0, 601, 501, -1}));
    const GifFrameInfo& b = gif.info[1];
    EXPECT_EQ((std::vector<int>{b.left, b.top, b.width, b.height, b.transparentIndex}),
              (std::vector<int>{7, 200, 134, 291, 24}));
    const GifFrameInfo& c = gif.info[2];
    EXPECT_EQ((std::vector<int>{c.width, c.height}), (std::vector<int>{1, 1}));
    expectShows(gif, 0, first);
    expectShows(gif, 1, second);
    expectShows(gif, 2, third);
}

TEST_F(GifWriterTest, ImagesInTheWebLayoutGiveTheSameFile) {
    PixelImage xrgb(gfx::PixelFormat::Xrgb32), rgba(gfx::PixelFormat::Rgba8);
    paint(xrgb, 10, 10, 300, 100, palette::SeaGreen);
    paint(rgba, 10, 10, 300, 100, palette::SeaGreen);
    std::string error;
    for (const auto& [image, name] : {std::pair{&xrgb, "a.gif"}, std::pair{&rgba, "b.gif"}}) {
        GifWriter writer;
        ASSERT_TRUE(writer.open(dir / name, error)) << error;
        ASSERT_TRUE(writer.addFrame(*image, error)) << error;
        ASSERT_TRUE(writer.finish(error)) << error;
    }
    std::ifstream a(dir / "a.gif", std::ios::binary), b(dir / "b.gif", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}),
              std::string(std::istreambuf_iterator<char>(b), {}));
}

TEST_F(GifWriterTest, RefusesWhatItCannotWriteAndLeavesNothing) {
    std::string error;
    {
        GifWriter writer;
        EXPECT_FALSE(writer.open(dir.string(), error));
        EXPECT_EQ(error, dir.string() + " is not a regular file");
        EXPECT_FALSE(writer.open("/dev/full", error));
        EXPECT_EQ(error, "/dev/full is not a regular file");
        EXPECT_FALSE(writer.open((dir / "no/such/x.gif").string(), error));
        EXPECT_EQ(error, "cannot create " + (dir / "no/such/x.gif.tmp").string() +
                             ": No such file or directory");
    }
    // A colour outside the palette cannot be stored exactly: no GIF at all.
    {
        GifWriter writer;
        ASSERT_TRUE(writer.open(dir / "odd.gif", error)) << error;
        PixelImage odd;
        odd.data()[3 * PixelImage::Width + 5] = 0xFF123456u;
        EXPECT_FALSE(writer.addFrame(odd, error));
        EXPECT_EQ(error, "the picture holds #123456 at pixel (5, 3), which is no palette colour");
        EXPECT_FALSE(writer.finish(error));
    }
    // A run that ended before its first frame.
    {
        GifWriter writer;
        ASSERT_TRUE(writer.open(dir / "empty.gif", error)) << error;
        EXPECT_FALSE(writer.finish(error));
        EXPECT_EQ(error, "no frame to write to " + (dir / "empty.gif").string());
    }
    // Dropped half way (the run failed otherwise).
    {
        GifWriter writer;
        ASSERT_TRUE(writer.open(dir / "dropped.gif", error)) << error;
        ASSERT_TRUE(writer.addFrame(PixelImage{}, error)) << error;
    }
    EXPECT_TRUE(filesInDir().empty());
}

// Writes two frames with files limited to 8 KiB, as a full disk would stop it; exits
// with status 3 and the reason on standard error when that fails.
void writeWithin8KiB(const std::string& path, const PixelImage& image) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{8192, 8192};
    setrlimit(RLIMIT_FSIZE, &limit);
    GifWriter writer;
    std::string error;
    const bool done = writer.open(path, error) && writer.addFrame(image, error) &&
                      writer.addFrame(PixelImage{}, error) && writer.finish(error);
    std::fputs(error.c_str(), stderr);
    std::exit(done ? 0 : 3);
}

// A disk that fills half way: the failure is reported and the temporary file removed.
TEST_F(GifWriterTest, AFullDiskIsReported) {
    const std::string path = dir / "full.gif";
    // Noise in the palette's colours packs poorly: more than the 8 KiB allowed.
    PixelImage noise;
    unsigned seed = 1;
    for (int i = 0; i < PixelImage::Width * PixelImage::Height; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise.data()[i] = noise.value(static_cast<int>((seed >> 16) % palette::ColourCount));
    }
    EXPECT_EXIT(writeWithin8KiB(path, noise), ::testing::ExitedWithCode(3),
                "^cannot write " + path + ".tmp: File too large$");
    EXPECT_TRUE(filesInDir().empty());
}

TEST_F(GifWriterTest, AnOldFileStaysUntilTheNewOneIsComplete) {
    const fs::path path = dir / "town.gif";
    std::ofstream(path) << "old";
    std::string error;
    {
        GifWriter writer;
        ASSERT_TRUE(writer.open(path, error)) << error;
        ASSERT_TRUE(writer.addFrame(PixelImage{}, error)) << error;
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
    }
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

}  // namespace
