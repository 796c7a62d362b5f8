// A file is replaced only by a complete successor: the older file stays until the new
// one is committed, a leftover temporary file of an earlier run is never written into,
// and a directory is never taken for a file.
#include "gfx/files/safe_file.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SafeFile, ReplacesAFileOnlyWhenItsSuccessorIsComplete) {
    const ScratchFolder scratch("safe_file_test");
    const fs::path& dir = scratch.path();
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
    // A folder is said to be one on every platform; a missing folder is missing.
    EXPECT_FALSE(gfx::writable(dir.string(), error));
    EXPECT_EQ(error, std::strerror(EISDIR));
    EXPECT_FALSE(gfx::writable((dir / "nowhere" / "new.gif").string(), error));
    EXPECT_EQ(error, std::strerror(ENOENT));
    EXPECT_FALSE(fs::exists(dir / "new.gif"));
}

#ifdef _WIN32
// Windows' rename refuses an existing file, and a file another program holds open
// cannot be replaced at all: the first is done by the platform's replace, the second
// is said with the file's name and the system's reason, the older file kept.
TEST(SafeFile, ReplacesAnExistingFileOnWindowsAndNamesOneHeldOpen) {
    const ScratchFolder scratch("safe_file_test");
    const fs::path path = scratch.path() / "town.png";
    std::ofstream(path) << "older";
    std::string error;
    {
        gfx::FileReplacement file;
        ASSERT_TRUE(file.open(path.string(), error)) << error;
        ASSERT_TRUE(file.write("newer", 5));
        ASSERT_TRUE(file.commit(error)) << error;
    }
    EXPECT_EQ(contents(path), "newer");

    // Held open by another program that shares it with no one.
    const HANDLE held = CreateFileW(path.wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    gfx::FileReplacement file;
    ASSERT_TRUE(file.open(path.string(), error)) << error;
    ASSERT_TRUE(file.write("newest", 6));
    EXPECT_FALSE(file.commit(error));
    CloseHandle(held);
    EXPECT_NE(error.find("cannot rename " + path.string() + ".tmp to " + path.string() + ": "),
              std::string::npos)
        << error;
    EXPECT_GT(error.size(),
              ("cannot rename " + path.string() + ".tmp to " + path.string() + ": ").size());
    EXPECT_EQ(contents(path), "newer");
    EXPECT_FALSE(fs::exists(path.string() + ".tmp"));
}
#endif

}  // namespace
