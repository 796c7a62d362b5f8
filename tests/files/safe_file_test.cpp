// A file is replaced only by a complete successor: the older file stays until the new
// one is committed, a leftover temporary file of an earlier run is never written into,
// and a directory is never taken for a file.
#include "gfx/files/safe_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SafeFile, ReplacesAFileOnlyWhenItsSuccessorIsComplete) {
    char pattern[] = "/tmp/safe_file_test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const fs::path dir = pattern;
    const fs::path path = dir / "town.png";
    std::ofstream(path) << "older";
    std::ofstream(dir / "town.png.tmp") << "left by a killed run";
    std::string error;

    {
        gfx::FileReplacement file;
        ASSERT_TRUE(file.open(path.string(), error)) << error;
        EXPECT_EQ(file.temporaryPath(), path.string() + ".tmp1");
        ASSERT_TRUE(file.write("newer", 5));
        EXPECT_EQ(contents(path), "older");
        ASSERT_TRUE(file.commit(error)) << error;
    }
    EXPECT_EQ(contents(path), "newer");
    EXPECT_EQ(contents(dir / "town.png.tmp"), "left by a killed run");
    EXPECT_FALSE(fs::exists(dir / "town.png.tmp1"));

    // Dropped before the commit: the file stays as it was, and nothing is left beside it.
    {
        gfx::FileReplacement file;
        ASSERT_TRUE(file.open(path.string(), error)) << error;
        ASSERT_TRUE(file.write("half", 4));
    }
    EXPECT_EQ(contents(path), "newer");
    EXPECT_FALSE(fs::exists(dir / "town.png.tmp1"));

    // A directory is neither replaced nor read.
    gfx::FileReplacement onDirectory;
    EXPECT_FALSE(onDirectory.open(dir.string(), error));
    EXPECT_EQ(error, dir.string() + " is not a regular file");
    EXPECT_EQ(gfx::fileKind(dir.string()), gfx::FileKind::Directory);
    EXPECT_FALSE(gfx::readableFile(dir.string(), error));
    EXPECT_EQ(error, "it is a directory");
    EXPECT_TRUE(gfx::readableFile(path.string(), error));

    // The probe leaves no empty file where there was none.
    EXPECT_TRUE(gfx::writable((dir / "new.gif").string(), error));
    EXPECT_FALSE(fs::exists(dir / "new.gif"));

    fs::remove_all(dir);
}

}  // namespace
