// Saving the image as PNG: the file decodes to the same pixels, and no failure leaves
// a file, or half of one, behind.
#include "gfx/render/png_writer.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <stb_image.h>
#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/render/canvas.h"

namespace {

namespace fs = std::filesystem;
using namespace records;

class PngWriter : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("png_writer_test_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Every entry of the directory, so that a leftover temporary file shows.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    static void paint(Canvas& c) {
        c.draw(rectangle(13, 0, -300, 250, 300, -289));  // orange
        c.draw(circle(9, 0, 0, 200));                    // navy blue
        c.draw(triangle(15, 2, -250, -200, 250, -200, 0, 240));
        c.draw(text(0, -280, 200, 30, "Fenn's Town"));
    }

    fs::path dir;
};

TEST_F(PngWriter, WritesAPictureThatDecodesToTheSamePixels) {
    for (const gfx::PixelFormat format : {gfx::PixelFormat::Xrgb32, gfx::PixelFormat::Rgba8}) {
        Canvas c(format);
        paint(c);
        const std::string path = (dir / "town.png").string();
        std::string error;
        ASSERT_TRUE(gfx::writePng(c.image, path, error)) << error;
        int w = 0, h = 0, channels = 0;
        unsigned char* pixels = stbi_load(path.c_str(), &w, &h, &channels, 3);
        ASSERT_NE(pixels, nullptr);
        EXPECT_EQ(w, 601);
        EXPECT_EQ(h, 540);
        long long wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const unsigned char* p = pixels + (static_cast<std::size_t>(y) * w + x) * 3;
                const std::uint32_t rgb = static_cast<std::uint32_t>(p[0]) << 16 |
                                          static_cast<std::uint32_t>(p[1]) << 8 | p[2];
                wrong += rgb != c.image.rgbAt(x, y);
            }
        stbi_image_free(pixels);
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(entries(), std::vector<std::string>{"town.png"});
    }
}

TEST_F(PngWriter, ReplacesAnOlderFileWhole) {
    const std::string path = (dir / "town.png").string();
    std::ofstream(path) << "an older picture";
    Canvas c;
    paint(c);
    std::string error;
    ASSERT_TRUE(gfx::writePng(c.image, path, error)) << error;
    EXPECT_GT(fs::file_size(path), 1000u);
    EXPECT_EQ(entries(), std::vector<std::string>{"town.png"});
}

TEST_F(PngWriter, FailsWithAReasonAndLeavesNothingWhereItCannotWrite) {
    Canvas c;
    const std::string fileAsDir = (dir / "plain").string();
    std::ofstream(fileAsDir) << "a file, not a directory";
    struct Case {
        std::string path;
        const char* reason;
    } cases[] = {
        {(dir / "missing" / "town.png").string(), "No such file or directory"},
        {fileAsDir + "/town.png", "Not a directory"},
        {dir.string(), "not a regular file"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.path);
        std::string error;
        EXPECT_FALSE(gfx::writePng(c.image, k.path, error));
        EXPECT_NE(error.find(k.reason), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos);
    }
    EXPECT_EQ(entries(), std::vector<std::string>{"plain"});
    EXPECT_TRUE(fs::is_directory(dir));
}

// A device is not a file: writing "to" /dev/full must neither replace the device (as
// root can) nor leave a temporary file beside it.
TEST_F(PngWriter, RefusesToReplaceADevice) {
    if (!fs::is_character_file("/dev/full")) GTEST_SKIP() << "no /dev/full here";
    Canvas c;
    std::string error;
    EXPECT_FALSE(gfx::writePng(c.image, "/dev/full", error));
    EXPECT_NE(error.find("/dev/full"), std::string::npos) << error;
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    for (const auto& e : fs::directory_iterator("/dev"))
        EXPECT_NE(e.path().filename().string().rfind("full.tmp", 0), 0u) << e.path();
}

// A write that runs out of room (here a limit on file sizes, as a full disk would)
// fails, and neither the new file nor a part of it is left; an older file stays.
TEST_F(PngWriter, AWriteThatFailsLeavesTheOlderFileAndNoPartOfTheNewOne) {
    const std::string path = (dir / "town.png").string();
    std::ofstream(path) << "an older picture";
    Canvas c;
    paint(c);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    void (*previous)(int) = signal(SIGXFSZ, SIG_IGN);  // a failed write, not a signal
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = gfx::writePng(c.image, path, error);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_NE(error.find("cannot write"), std::string::npos) << error;
    EXPECT_EQ(entries(), std::vector<std::string>{"town.png"});
    std::ifstream in(path);
    std::string old;
    std::getline(in, old);
    EXPECT_EQ(old, "an older picture");
}

}  // namespace
