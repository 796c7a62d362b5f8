// The one script stream is never recorded and played at once, and closing the
// library leaves nothing half written.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/script/script_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using StreamSwitching = ScriptTest;

TEST_F(StreamSwitching, PlaybackSwitchesRecordingOffAndPlaysWhatWasRecorded) {
    ctrl('R');
    click(1, 1);
    await();
    ticks(2);
    ctrl('P');
    EXPECT_EQ(await(), mouse(1, 1));
    EXPECT_FALSE(recordChecked());
    EXPECT_TRUE(playbackChecked());
    EXPECT_EQ(readScript(), "DROVA_MOUSE(1, 1);\nDROVA_PERIODIC(2);\n");
    EXPECT_THAT(await(2), ElementsAre(periodic(), periodic()));
    click(0, 0);
    await();
    EXPECT_THAT(session.takeLog(), ElementsAre(EofMessage));
    EXPECT_EQ(readScript(), "DROVA_MOUSE(1, 1);\nDROVA_PERIODIC(2);\n") << "nothing recorded";
}

TEST_F(StreamSwitching, RecordingSwitchesPlaybackOffAndReplacesTheScript) {
    writeScript("DROVA_KBD(97);\nDROVA_KBD(98);\nDROVA_KBD(99);\n");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_EQ(await(), keyboard('a'));
    command(gfx::MenuId::RecordScript);
    click(2, 2);
    EXPECT_EQ(await(), mouse(2, 2)) << "the script no longer plays";
    EXPECT_FALSE(playbackChecked());
    EXPECT_TRUE(recordChecked());
    EXPECT_EQ(readScript(), "DROVA_MOUSE(2, 2);\n");
}

TEST_F(StreamSwitching, RecordingAfterPlayOneDoesNotInheritItsRun) {
    writeScript("DROVA_PERIODIC(5);\n");
    command(gfx::MenuId::PlayOne);
    EXPECT_EQ(await(), periodic());
    command(gfx::MenuId::RecordScript);
    ticks(1);
    command(gfx::MenuId::RecordScript);
    click(0, 0);
    await();
    EXPECT_EQ(readScript(), "DROVA_PERIODIC(1);\n") << "not the four left of the played run";
}

TEST_F(StreamSwitching, PlayOneSwitchesRecordingOffAndReadsTheNewScript) {
    ctrl('R');
    click(3, 3);
    await();
    ticks(1);
    ctrl('O');
    EXPECT_EQ(await(), mouse(3, 3));
    EXPECT_FALSE(recordChecked());
    EXPECT_EQ(readScript(), "DROVA_MOUSE(3, 3);\nDROVA_PERIODIC(1);\n");
    ctrl('O');
    EXPECT_EQ(await(), periodic());
}

TEST_F(StreamSwitching, ClosingTheLibraryEndsPlayback) {
    writeScript("DROVA_PERIODIC(4);\n");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_EQ(await(), periodic());
    display.close();
    EXPECT_FALSE(playbackChecked());
    EXPECT_FALSE(gfx::state().script.playingBack);
    EXPECT_EQ(gfx::state().script.reader, nullptr);
    EXPECT_EQ(gfx::state().script.writer, -1);
}
