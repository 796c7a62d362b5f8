#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/script/script_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Recording = ScriptTest;

TEST_F(Recording, TicksClickAndKeyGiveThreeLines) {
    ctrl('R');
    EXPECT_THAT(ticks(5), ElementsAre(periodic(), periodic(), periodic(), periodic(), periodic()));
    EXPECT_TRUE(recordChecked());
    EXPECT_FALSE(scriptExists()) << "nothing is written while a periodic run lasts";

    click(-12, 40);
    EXPECT_EQ(await(), mouse(-12, 40));
    type('a');
    EXPECT_EQ(await(), keyboard('a'));

    EXPECT_EQ(readScript(), "DROVA_PERIODIC(5);\nDROVA_MOUSE(-12, 40);\nDROVA_KBD(97);\n");
    EXPECT_THAT(session.takeLog(), IsEmpty());
}

TEST_F(Recording, StoppingWritesTheRunAndTheNextRecordingStartsOver) {
    command(gfx::MenuId::RecordScript);
    click(1, 2);
    EXPECT_EQ(await(), mouse(1, 2));
    ticks(3);
    ctrl('R');
    click(5, 5);
    EXPECT_EQ(await(), mouse(5, 5)) << "the event of the stopping wait is not recorded";
    EXPECT_FALSE(recordChecked());
    EXPECT_EQ(readScript(), "DROVA_MOUSE(1, 2);\nDROVA_PERIODIC(3);\n");

    // Ticks while not recording are not counted into the next recording.
    ticks(2);
    ctrl('R');
    ticks(1);
    ctrl('R');
    click(0, 0);
    await();
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(1);\n");
}

TEST_F(Recording, FileIsCreatedOnlyByTheFirstLine) {
    writeScript("DROVA_KBD(1);\n");
    ctrl('R');
    ticks(2);  // still pending, nothing written
    EXPECT_EQ(readScript(), "DROVA_KBD(1);\n");
    type('x');
    await();
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(2);\nDROVA_KBD(120);\n") << "replaced, not appended";
}

TEST_F(Recording, SwitchedOnAndOffWithoutEventsLeavesAnExistingScript) {
    writeScript("DROVA_KBD(1);\n");
    command(gfx::MenuId::RecordScript);
    command(gfx::MenuId::RecordScript);
    click(0, 0);
    await();
    EXPECT_FALSE(recordChecked());
    EXPECT_EQ(readScript(), "DROVA_KBD(1);\n");
}

TEST_F(Recording, KeysOf128AndAboveAreWrittenNegativeAndPlayBackUnchanged) {
    command(gfx::MenuId::RecordScript);
    for (int c : {0x7F, 0x80, 0xE9, 0xFF}) type(c);
    EXPECT_THAT(await(4), ElementsAre(keyboard('\x7F'), keyboard('\x80'), keyboard('\xE9'),
                                      keyboard('\xFF')));
    EXPECT_EQ(readScript(), "DROVA_KBD(127);\nDROVA_KBD(-128);\nDROVA_KBD(-23);\nDROVA_KBD(-1);\n");

    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(await(4), ElementsAre(keyboard('\x7F'), keyboard('\x80'), keyboard('\xE9'),
                                      keyboard('\xFF')));
}

TEST_F(Recording, ExtremeMouseCoordinatesRoundTrip) {
    command(gfx::MenuId::RecordScript);
    // Client coordinates are taken as 16-bit values, so these land far outside the window.
    click(-300, -65285);
    click(65235, 250);
    const std::vector<Event> recorded = await(2);
    command(gfx::MenuId::PlaybackScript);
    EXPECT_EQ(await(2), recorded);
}

TEST_F(Recording, QuitIsNotWrittenButTheRunBeforeItIs) {
    command(gfx::MenuId::RecordScript);
    ticks(3);
    post(gfx::Message::quit());  // the window was closed
    EXPECT_EQ(await(), quit());
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(3);\n");

    ticks(2);
    command(gfx::MenuId::Quit);
    EXPECT_EQ(await(), quit());
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(3);\nDROVA_PERIODIC(2);\n");
}

TEST_F(Recording, ClosingTheLibraryWritesThePendingRun) {
    command(gfx::MenuId::RecordScript);
    type('q');
    await();
    ticks(4);
    display.close();
    EXPECT_EQ(readScript(), "DROVA_KBD(113);\nDROVA_PERIODIC(4);\n");
    EXPECT_FALSE(recordChecked());
}

TEST_F(Recording, UnwritableFileIsReportedPerLineAndRecordingGoesOn) {
    std::filesystem::create_directory(gfx::ScriptFileName);  // cannot be opened for writing
    ctrl('R');
    ticks(2);
    click(3, 4);
    EXPECT_EQ(await(), mouse(3, 4));
    const std::string message = "Cannot open script file DROVA.SCR for writing\n";
    EXPECT_THAT(session.takeLog(), ElementsAre(message, message)) << "the run and the click";
    EXPECT_TRUE(recordChecked());

    std::filesystem::remove(gfx::ScriptFileName);
    ticks(1);
    type('z');
    await();
    EXPECT_THAT(session.takeLog(), IsEmpty());
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(1);\nDROVA_KBD(122);\n") << "dropped lines stay lost";
}

// A platform that keeps the script beyond the file system (the page's storage).
class ScriptKeeper : public gfx::HeadlessBackend {
public:
    bool refuse = false;  // another writer holds the script
    std::vector<gfx::ScriptChange> changes;
    bool mayWriteScript() override { return !refuse; }
    void scriptChanged(gfx::ScriptChange change) override { changes.push_back(change); }
};

TEST(ScriptKeeping, ThePlatformIsAskedFirstAndToldOfEveryChange) {
    using enum gfx::ScriptChange;
    const TemporaryWorkingDirectory directory;
    auto& keeper = gfx::resetLibraryWith<ScriptKeeper>();
    {
        Display display;
        int x = 0;
        int y = 0;
        char key = 0;
        const auto clickAndTake = [&] {
            keeper.post(gfx::Message::leftClick(300, 250));
            display.awaitEvent(x, y, key);
        };
        keeper.post(gfx::Message::command(gfx::MenuId::RecordScript));
        clickAndTake();
        clickAndTake();
        keeper.post(gfx::Message::command(gfx::MenuId::RecordScript));
        clickAndTake();
        EXPECT_THAT(keeper.changes, ElementsAre(Opened, LineWritten, LineWritten, Closed));

        keeper.takeLines();
        keeper.changes.clear();
        keeper.refuse = true;
        keeper.post(gfx::Message::command(gfx::MenuId::RecordScript));
        clickAndTake();
        EXPECT_THAT(keeper.takeLines(),
                    ElementsAre("Cannot open script file DROVA.SCR for writing\n"));
        EXPECT_THAT(keeper.changes, IsEmpty());
        EXPECT_EQ(std::filesystem::file_size(gfx::ScriptFileName), 2 * sizeof "DROVA_MOUSE(0, 0);")
            << "a refused writer leaves the file as it was";
    }
    gfx::resetLibrary();
}
