// Script files that are not plain files, and files that stop taking lines: the
// program neither hangs nor reports a failed write as success.
#include <gmock/gmock.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

#include "tests/script/script_fixture.h"

using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

const std::string CannotRead = "Cannot open script file DROVA.SCR for reading\n";
const std::string CannotWrite = "Cannot open script file DROVA.SCR for writing\n";
const std::string WriteFailed = "Cannot write script file DROVA.SCR\n";

class OddFiles : public ScriptTest {};

// FIFOs, devices by link, /dev/full and file-size limits are Linux's.
#ifndef _WIN32

TEST_F(OddFiles, PlaybackOfAFifoADeviceOrADirectoryIsRefusedAtOnce) {
    // A FIFO would block the open until a writer came; /dev/zero would never end;
    // a directory reads as nothing.
    const auto makeFifo = [] { ASSERT_EQ(mkfifo(gfx::ScriptFileName, 0600), 0); };
    const auto linkZero = [] { std::filesystem::create_symlink("/dev/zero", gfx::ScriptFileName); };
    const auto makeDirectory = [] { std::filesystem::create_directory(gfx::ScriptFileName); };
    for (const auto& make : {std::function<void()>(makeFifo), std::function<void()>(linkZero),
                             std::function<void()>(makeDirectory)}) {
        make();
        ctrl('P');
        click(2, 3);
        EXPECT_EQ(await(), mouse(2, 3));
        EXPECT_THAT(session.takeLog(), ElementsAre(CannotRead));
        EXPECT_FALSE(playbackChecked());
        std::filesystem::remove(gfx::ScriptFileName);
    }
}

TEST_F(OddFiles, PlayOneOfAFifoIsRefusedToo) {
    ASSERT_EQ(mkfifo(gfx::ScriptFileName, 0600), 0);
    ctrl('O');
    click(1, 1);
    EXPECT_EQ(await(), mouse(1, 1));
    EXPECT_THAT(session.takeLog(), ElementsAre(CannotRead));
}

TEST_F(OddFiles, RecordingIntoAFifoOrADeviceIsRefusedPerLine) {
    ASSERT_EQ(mkfifo(gfx::ScriptFileName, 0600), 0);
    ctrl('R');
    type('a');
    await();
    EXPECT_THAT(session.takeLog(), ElementsAre(CannotWrite));
    EXPECT_TRUE(recordChecked());
    ctrl('R');

    std::filesystem::remove(gfx::ScriptFileName);
    std::filesystem::create_symlink("/dev/full", gfx::ScriptFileName);
    ctrl('R');
    type('b');
    await();
    type('c');
    await();
    EXPECT_THAT(session.takeLog(), ElementsAre(CannotWrite, CannotWrite));
    EXPECT_TRUE(recordChecked());
}

// Lets the file grow to at most limit bytes, as a disk with that much room left would;
// writes beyond it fail instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        rlimit r = saved_;
        r.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    sighandler_t oldHandler_;
};

TEST_F(OddFiles, AFullDiskIsReportedAndTheFileKeepsOnlyWholeLines) {
    std::vector<std::string> log;
    {
        const FileSizeLimit room(4096);
        ctrl('R');
        for (int i = 0; i < 400; ++i) {
            type('a' + i % 26);
            await();
        }
        log = session.takeLog();
    }
    const std::string script = readScript();
    EXPECT_LE(script.size(), 4096u);
    EXPECT_EQ(script.back(), '\n') << "the last line is whole";
    const std::size_t written = std::count(script.begin(), script.end(), '\n');
    EXPECT_GT(written, 200u);
    EXPECT_THAT(log, SizeIs(400 - written)) << "every line that did not fit is reported";
    EXPECT_THAT(log, Each(WriteFailed));
    EXPECT_TRUE(recordChecked());

    // With room again, the next line goes on where the whole lines end.
    type('!');
    await();
    EXPECT_THAT(session.takeLog(), IsEmpty());
    EXPECT_EQ(readScript(), script + "DROVA_KBD(33);\n");
}

#endif

TEST_F(OddFiles, EachLineIsInTheFileAsSoonAsItIsRecorded) {
    ctrl('R');
    ticks(5);
    click(-12, 40);
    await();
    // Nothing closed or flushed by hand: an abrupt end now would keep these lines.
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(5);\nDROVA_MOUSE(-12, 40);\n");
    gfx::writePendingRecording();
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(5);\nDROVA_MOUSE(-12, 40);\n");
    ticks(3);
    gfx::writePendingRecording();
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(5);\nDROVA_MOUSE(-12, 40);\nDROVA_PERIODIC(3);\n");
}

}  // namespace
