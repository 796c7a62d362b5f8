// town-replay --gif: the frames of a run are the pictures the PNG of the same run shows.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/scratch_folder.h"
#include "tests/tools/gif_frames.h"
#include "vehicles/library_names.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace {

namespace fs = std::filesystem;

int runReplay(const std::string& arguments) {
    const int status = std::system((std::string("'") + TOWN_REPLAY + "' " + arguments).c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct Png {
    int width = 0, height = 0;
    std::unique_ptr<unsigned char, void (*)(void*)> pixels{nullptr, stbi_image_free};

    explicit Png(const std::string& path) {
        int channels = 0;
        pixels.reset(stbi_load(path.c_str(), &width, &height, &channels, 3));
    }
    std::uint32_t rgbAt(int x, int y) const {
        const unsigned char* p = pixels.get() + (static_cast<std::size_t>(y) * width + x) * 3;
        return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 |
               p[2];
    }
};

// World (0, 0) is pixel (300, 250); y grows upward.
struct WorldPoint {
    int x, y;
    int px() const { return 300 + x; }
    int py() const { return 250 - y; }
};

// The intersections' centres; each shows its north-south lamps 15 units east of it.
constexpr WorldPoint Intersections[] = {
    {0, 0},    {0, 100},     {0, 225},     {-100, 100}, {275, 100},  {275, 225},
    {275, 0},  {150, 0},     {-100, 225},  {-100, 0},   {-275, 225}, {-275, 100},
    {-275, 0}, {-275, -190}, {-100, -190}, {0, -190},   {150, -190}, {275, -190},
};

constexpr std::uint32_t Green = 0x00FF00, Gray50 = 0x808080, Red = 0xFF0000;

class ReplayGif : public ::testing::Test {
protected:
    ScratchFolder scratch{"replay_gif_test"};
    std::string at(const char* name) const { return (dir / name).string(); }

    const fs::path dir = scratch.path();
};

// Ticks 87 to 168: the north-south lights turn red on tick 87 and green again on tick
// 168, so a frame one tick early or late shows other lamps at either end.
TEST_F(ReplayGif, FirstAndLastFramesAreThePngsOfTheSameRun) {
    ASSERT_EQ(runReplay("--seed 5 --ticks 87 --png '" + at("first.png") + "'"), 0);
    ASSERT_EQ(runReplay("--seed 5 --ticks 168 --gif-from 87 --gif '" + at("run.gif") + "' --png '" +
                        at("last.png") + "'"),
              0);
    const Png first(at("first.png")), last(at("last.png"));
    ASSERT_TRUE(first.pixels && last.pixels);
    GifFrames gif;
    std::string error;
    ASSERT_TRUE(readGifFrames(at("run.gif"), gif, error)) << error;

    ASSERT_EQ(gif.info.size(), 82u);  // ticks 87 to 168, one frame each
    for (const GifFrameInfo& f : gif.info) EXPECT_EQ(f.delayCentiseconds, 10);
    EXPECT_EQ(gif.width, 601);
    EXPECT_EQ(gif.height, 501);  // the window's rows, without the strip below the picture
    ASSERT_GE(gif.colourTable.size(), 24u);
    EXPECT_EQ(gif.colourTable[palette::Black], 0x000000u);
    EXPECT_EQ(gif.colourTable[palette::Gray20], 0xCCCCCCu);
    const int lastFrame = static_cast<int>(gif.info.size()) - 1;

    // Every lamp of every light, at the moment of each picture.
    for (const WorldPoint& c : Intersections)
        for (const WorldPoint& lamp : {WorldPoint{c.x + 15, c.y + 5}, WorldPoint{c.x + 15, c.y - 5},
                                       WorldPoint{c.x - 5, c.y}, WorldPoint{c.x + 5, c.y}}) {
            SCOPED_TRACE("lamp at (" + std::to_string(lamp.x) + ", " + std::to_string(lamp.y) +
                         ")");
            EXPECT_EQ(gif.rgbAt(0, lamp.px(), lamp.py()), first.rgbAt(lamp.px(), lamp.py()));
            EXPECT_EQ(gif.rgbAt(lastFrame, lamp.px(), lamp.py()), last.rgbAt(lamp.px(), lamp.py()));
        }
    const WorldPoint north{15, 5}, south{15, -5};
    EXPECT_EQ(gif.rgbAt(0, north.px(), north.py()), Gray50);
    EXPECT_EQ(gif.rgbAt(0, south.px(), south.py()), Red);
    EXPECT_EQ(gif.rgbAt(1, south.px(), south.py()), Red);
    EXPECT_EQ(gif.rgbAt(lastFrame - 1, north.px(), north.py()), Gray50);
    EXPECT_EQ(gif.rgbAt(lastFrame, north.px(), north.py()), Green);
    EXPECT_EQ(gif.rgbAt(lastFrame, south.px(), south.py()), Gray50);

    // Everywhere else too, but for what the PNG's one more repaint draws in random
    // colours (the helicopter's rotor and lamp, the helipad's lights, the banner, the
    // selected button's label): a few hundred pixels, not a picture shifted or in other
    // colours.
    auto differing = [&](int frame, const Png& png) {
        int n = 0;
        for (int y = 0; y < gif.height; ++y)
            for (int x = 0; x < gif.width; ++x) n += gif.rgbAt(frame, x, y) != png.rgbAt(x, y);
        return n;
    };
    EXPECT_LT(differing(0, first), 1500);
    EXPECT_LT(differing(lastFrame, last), 1500);
}

}  // namespace
