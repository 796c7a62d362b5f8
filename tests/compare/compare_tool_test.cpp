// town-compare as a user meets it: the report, the exit statuses, the files it refuses.
#include "gfx/tools/compare/compare_tool.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

#include <cstdio>
#include <filesystem>

#include "gfx/palette.h"
#include "tests/compare/compare_fixture.h"

namespace {

namespace palette = gfx::palette;
using gfx::PixelImage;
using CompareToolTest = CompareTest;

class CompareRuns : public CompareTest {
protected:
    void SetUp() override {
        CompareTest::SetUp();
        PixelImage picture = smallPicture();
        setPixel(picture, 10, 10, palette::Red);
        writeLines("a.log", bounceLog());
        writePicture("a.png", picture);
    }
};

TEST_F(CompareRuns, EqualRunsSaySoWithStatusZero) {
    const auto r = compare({at("a.log"), at("a.png"), at("a.log"), at("a.png")});
    EXPECT_EQ(r.status, gfx::RunsEqual);
    EXPECT_EQ(r.out,
              "Logs are equal: 8 lines, 2 ticks\n"
              "Pictures are equal: 60 x 40 pixels\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CompareRuns, OneCallDifferenceIsReportedWhereItBegins) {
    PixelImage moved = smallPicture();
    setPixel(moved, 11, 10, palette::Red);
    writeLines("b.log", bounceLog(19));
    writePicture("b.png", moved);
    const auto r =
        compare({"--marked", at("m.png"), at("a.log"), at("a.png"), at("b.log"), at("b.png")});
    EXPECT_EQ(r.status, gfx::RunsDiffer);
    EXPECT_EQ(r.out,
              "Logs differ, first at line 8: tick 2, drawing call 4 of the tick\n"
              "  " +
                  at("a.log") +
                  ":8: red circle at (18,12), radius 20\n"
                  "  " +
                  at("b.log") +
                  ":8: red circle at (19,12), radius 20\n"
                  "Lines that differ: 1 of 8 lines in " +
                  at("a.log") + ", 1 of 8 in " + at("b.log") +
                  "\n"
                  "Pictures differ: 2 of 2400 pixels (60 x 40 pixels)\n"
                  "Marked picture: " +
                  at("m.png") + "\n");
    EXPECT_TRUE(std::filesystem::is_regular_file(at("m.png")));
}

TEST_F(CompareRuns, APictureOnlyDifferenceDiffers) {
    PixelImage other = smallPicture();
    writePicture("b.png", other);
    const auto r = compare({at("a.log"), at("a.png"), at("a.log"), at("b.png")});
    EXPECT_EQ(r.status, gfx::RunsDiffer);
    EXPECT_EQ(r.out,
              "Logs are equal: 8 lines, 2 ticks\n"
              "Pictures differ: 1 of 2400 pixels (60 x 40 pixels)\n");
}

TEST_F(CompareRuns, AnimationsSayWhichFrameDiffersFirst) {
    SKIP_WITHOUT_GIFS();
    PixelImage first, second;
    setPixel(second, 4, 4, palette::Blue);
    writeGif("a.gif", {first, first, first});
    writeGif("b.gif", {first, second});
    const auto r = compare({at("a.log"), at("a.gif"), at("a.log"), at("b.gif")});
    EXPECT_EQ(r.status, gfx::RunsDiffer);
    EXPECT_EQ(r.out, "Logs are equal: 8 lines, 2 ticks\nPictures differ: " + at("a.gif") +
                         " has 3 frames, " + at("b.gif") +
                         " 2; 1 pixel in 1 of the 2 frames both have, the first in frame 2 (601 "
                         "x 501 pixels a frame)\n");
}

// A PNG header that claims a size, then the end: enough for the size to be read.
std::string pngClaiming(unsigned width, unsigned height) {
    std::string png = "\x89PNG\r\n\x1a\n";
    const auto be32 = [&png](unsigned v) {
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>((v >> shift) & 0xFF);
    };
    be32(13);
    png += "IHDR";
    be32(width);
    be32(height);
    png += std::string("\x08\x02\x00\x00\x00", 5);
    be32(0);  // the checksum, which the decoder does not check
    png += std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    return png;
}

TEST_F(CompareRuns, FilesThatCannotBeReadAreRefusedWithStatusTwo) {
    SKIP_WITHOUT_GIFS();
    const std::string png = at("a.png"), log = at("a.log");
    std::string whole;
    {
        std::ifstream in(png, std::ios::binary);
        whole.assign(std::istreambuf_iterator<char>(in), {});
    }
    writeText("cut.png", whole.substr(0, whole.size() / 2));
    writeText("noend.png", whole.substr(0, whole.size() - 12) + std::string(12, '\0'));
    std::string damaged = whole;
    damaged.replace(damaged.find("IDAT") + 4, 2, "xx");  // the compressed data's header
    writeText("damaged.png", damaged);
    writeText("huge-size.png", pngClaiming(20000, 300));
    writeText("text.png", "red circle at (9,6), radius 20\n");
    writeText("empty.png", "");
    std::filesystem::resize_file(writeText("huge.png", whole.substr(0, 8)), (64 << 20) + 1);
    writeText("zero.log", std::string("red circle\0at", 13));
    writeText("long.log", std::string(5000, 'x') + "\n");
    writePicture("small.png", smallPicture(30, 20));
    writeGif("a.gif", {PixelImage()});
    std::string gif;
    {
        std::ifstream in(at("a.gif"), std::ios::binary);
        gif.assign(std::istreambuf_iterator<char>(in), {});
    }
    writeText("cut.gif", gif.substr(0, gif.size() - 20));
    std::filesystem::create_directory(at("folder"));

    struct Case {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{log, at("missing.png"), log, png}, at("missing.png") + ": No such file or directory"},
        {{at("missing.log"), png, log, png}, at("missing.log") + ": No such file or directory"},
        {{at("folder"), png, log, png}, at("folder") + ": it is a directory"},
        {{log, png, log, at("text.png")}, at("text.png") + " is not a PNG or GIF picture"},
        {{log, png, log, at("empty.png")}, at("empty.png") + " is empty, not a PNG or GIF picture"},
        {{log, png, log, at("cut.png")},
         at("cut.png") + " is cut short: the PNG does not end with its IEND chunk"},
        {{log, png, log, at("noend.png")},
         at("noend.png") + " is cut short: the PNG does not end with its IEND chunk"},
        {{log, png, log, at("damaged.png")},
         at("damaged.png") + " is a damaged PNG: bad zlib header"},
        {{log, png, log, at("huge-size.png")},
         at("huge-size.png") +
             " is 20000 x 300 pixels, larger than the 8192 x 8192 this command compares"},
        {{log, png, log, at("huge.png")},
         at("huge.png") + " is larger than 64 MiB: too large for a picture of a run"},
        {{log, png, log, at("small.png")},
         "the pictures differ in size: " + png + " is 60 x 40 pixels, " + at("small.png") +
             " 30 x 20: only pictures of one size compare"},
        {{log, png, log, at("a.gif")},
         png + " is a PNG picture and " + at("a.gif") +
             " a GIF picture: only pictures of one "
             "kind compare"},
        {{log, at("a.gif"), log, at("cut.gif")},
         at("cut.gif") + " is cut short: the GIF ends inside frame 1"},
        {{png, png, log, png}, png + " is a PNG picture, not a drawing log"},
        {{png, log, log, png}, log + " is not a PNG or GIF picture"},  // a run's two swapped
        {{log, png, at("zero.log"), png},
         at("zero.log") + ": line 1 holds a zero byte: this is no drawing log"},
        {{log, png, at("long.log"), png},
         at("long.log") + ": line 1 is longer than 4096 characters: this is no drawing log"},
        {{"--marked", at("no/such/folder.png"), log, png, log, png},
         "cannot write " + at("no/such/folder.png") + ": No such file or directory"},
        {{"--marked", "/dev/full", log, png, log, png}, "/dev/full is not a regular file"},
        {{log, png, log}, "PICTURE_B is required (try --help)"},
        {{log, png, log, png, "--frobnicate"},
         "The following argument was not expected: --frobnicate (try --help)"},
        {{log, png, log, ""}, "a file name is empty"},
    };
    for (const Case& c : cases) {
        const auto r = compare(c.args);
        EXPECT_EQ(r.status, gfx::RunsUnreadable) << c.message;
        EXPECT_EQ(r.err, "town-compare: " + c.message + "\n");
        EXPECT_EQ(r.out, "") << c.message;
    }
}

// Without giflib a GIF is refused with the reason, and nothing else changes.
TEST_F(CompareRuns, ABuildWithoutGifsSaysSo) {
    if (GifsAvailable) GTEST_SKIP() << "this build has GIF pictures";
    const std::string log = writeLines("a.log", {"black circle at (0,0), radius 2"});
    const std::string png = writePicture("a.png", PixelImage());
    const std::string gif = writeText("a.gif", "GIF89a");
    const auto r = compare({log, png, log, gif});
    EXPECT_EQ(r.status, gfx::RunsUnreadable);
    EXPECT_NE(r.err.find("cannot read " + gif + ": this build reads no GIF pictures"),
              std::string::npos)
        << r.err;
}

TEST(CompareHelp, ListsTheRunsAndOptions) {
    std::string out, err;
    EXPECT_EQ(gfx::runCompare({"--help"}, out, err), gfx::RunsEqual);
    for (const char* word : {"LOG_A", "PICTURE_A", "LOG_B", "PICTURE_B", "--marked", "Exit status"})
        EXPECT_NE(out.find(word), std::string::npos) << word;
}

// The installed command on two runs of the runner: the same seed twice, then a run whose
// script clicks the light traffic button ten ticks in. Driven through a POSIX shell; the
// Windows programs' runs are compared with Linux's by the Windows stage's own test.
#ifndef _WIN32
TEST_F(CompareToolTest, TheCommandComparesTwoRunsOfTheRunner) {
    const auto run = [](const std::string& command) {
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return std::make_pair(-1, out);
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        const int status = pclose(pipe);
        return std::make_pair(WIFEXITED(status) ? WEXITSTATUS(status) : -1, out);
    };
    const std::string replay = std::string("cd '") + dir.string() + "' && '" + TOWN_REPLAY +
                               "' --seed 3 --log --log-events ";
    writeText("light.scr", "DROVA_PERIODIC(10);\nDROVA_MOUSE(150, -230);\nDROVA_PERIODIC(2);\n");
    ASSERT_EQ(run(replay + "--ticks 12 --png a.png > a.log").first, 0);
    ASSERT_EQ(run(replay + "--ticks 12 --png b.png > b.log").first, 0);
    ASSERT_EQ(run(replay + "--script light.scr --png c.png > c.log").first, 0);
    const std::string compare = std::string("cd '") + dir.string() + "' && '" + TOWN_COMPARE + "' ";
    const auto same = run(compare + "a.log a.png b.log b.png");
    EXPECT_EQ(same.first, 0) << same.second;
    EXPECT_NE(same.second.find(", 12 ticks\n"), std::string::npos) << same.second;
    const auto other = run(compare + "a.log a.png c.log c.png");
    EXPECT_EQ(other.first, 1);
    EXPECT_NE(other.second.find(": tick 10, after drawing call "), std::string::npos)
        << other.second;
    EXPECT_NE(other.second.find("c.log:"), std::string::npos);
    EXPECT_NE(other.second.find(": DROVA_MOUSE(150, -230);\n"), std::string::npos) << other.second;
}
#endif

}  // namespace
