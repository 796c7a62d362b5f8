#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/script/script_fixture.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using Playback = ScriptTest;

TEST_F(Playback, PeriodicRunComesInConsecutiveWaitsWithoutTheTimer) {
    writeScript("DROVA_PERIODIC(5);\n");
    ctrl('P');
    EXPECT_THAT(await(5), ElementsAre(periodic(), periodic(), periodic(), periodic(), periodic()));
    EXPECT_EQ(blocks, 0) << "no wait blocked for a timer tick";
    EXPECT_TRUE(playbackChecked());
    EXPECT_THAT(session.takeLog(), IsEmpty());

    click(8, 9);
    EXPECT_EQ(await(), mouse(8, 9)) << "after the script the user's events come again";
    EXPECT_THAT(session.takeLog(), ElementsAre(EofMessage));
    EXPECT_FALSE(playbackChecked());
}

TEST_F(Playback, EventsInOrderWithEmptyLinesAndAnUnendedLastLine) {
    writeScript(
        "\n\nDROVA_MOUSE(-12, 40);\n\n\nDROVA_KBD(97);\r\n\r\nDROVA_PERIODIC(2);\nDROVA_MOUSE(3, "
        "4);");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(await(5),
                ElementsAre(mouse(-12, 40), keyboard('a'), periodic(), periodic(), mouse(3, 4)));
    clickWhenIdle = true;
    EXPECT_EQ(await(), mouse(0, 0));
    EXPECT_THAT(session.takeLog(), ElementsAre(EofMessage));
}

TEST_F(Playback, TrailingEmptyLinesReachTheEnd) {
    writeScript("DROVA_KBD(98);\n\n\n");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_EQ(await(), keyboard('b'));
    clickWhenIdle = true;
    EXPECT_EQ(await(), mouse(0, 0));
    EXPECT_THAT(session.takeLog(), ElementsAre(EofMessage));
}

TEST_F(Playback, LineOfUnknownKindEndsPlaybackSilently) {
    for (const std::string bad : {"DROVA_XYZ(1);\n", "DROVA_kbd(1);\n", "DROVA\n", "x\n", " \n"}) {
        SCOPED_TRACE(bad);
        writeScript("DROVA_PERIODIC(1);\n" + bad + "DROVA_KBD(97);\n");
        command(gfx::MenuId::PlaybackScript);
        EXPECT_EQ(await(), periodic());
        click(1, 1);
        EXPECT_EQ(await(), mouse(1, 1));
        EXPECT_FALSE(playbackChecked());
        EXPECT_THAT(session.takeLog(), IsEmpty());
        command(gfx::MenuId::PlaybackScript);  // continues after the bad line
        EXPECT_EQ(await(), keyboard('a'));
        command(gfx::MenuId::PlaybackScript);  // off again, the file closed
        click(0, 0);
        await();
    }
}

TEST_F(Playback, MissingScriptIsReportedAndPlaybackStops) {
    ctrl('P');
    click(2, 3);
    EXPECT_EQ(await(), mouse(2, 3));
    EXPECT_THAT(session.takeLog(), ElementsAre("Cannot open script file DROVA.SCR for reading\n"));
    EXPECT_FALSE(playbackChecked());
}

TEST_F(Playback, StopsTheAnimationAndLeavesItStopped) {
    writeScript("DROVA_KBD(97);\n");
    display.setAnimation(AnimationMode::Animate);
    ctrl('P');
    EXPECT_EQ(await(), keyboard('a'));
    clickWhenIdle = true;
    EXPECT_EQ(await(), mouse(0, 0)) << "no periodic event once the script has ended";
}

TEST_F(Playback, ScriptedEventOverridesTheUsersClick) {
    writeScript("DROVA_PERIODIC(1);\nDROVA_KBD(97);\n");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_EQ(await(), periodic());
    click(5, 6);
    EXPECT_EQ(await(), keyboard('a')) << "the click's position is not left in the event";
}

TEST_F(Playback, QuitIsNotOverriddenByTheScript) {
    writeScript("DROVA_PERIODIC(5);\n");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_EQ(await(), periodic());
    post(gfx::Message::quit());
    EXPECT_EQ(await(), quit());
}

TEST_F(Playback, PlayOneTakesOneEventPerRequest) {
    writeScript("DROVA_MOUSE(1, 2);\nDROVA_KBD(97);\n");
    ctrl('O');
    EXPECT_EQ(await(), mouse(1, 2));
    EXPECT_FALSE(playbackChecked());
    click(5, 5);
    EXPECT_EQ(await(), mouse(5, 5)) << "later waits go back to the user";
    ctrl('O');
    EXPECT_EQ(await(), keyboard('a'));
    ctrl('O');
    click(7, 7);
    EXPECT_EQ(await(), mouse(7, 7));
    EXPECT_THAT(session.takeLog(), ElementsAre(EofMessage));
}

TEST_F(Playback, PlayOneStopsTheAnimationAndGoesThroughARun) {
    writeScript("DROVA_PERIODIC(2);\nDROVA_KBD(98);\n");
    display.setAnimation(AnimationMode::Animate);
    command(gfx::MenuId::PlayOne);
    EXPECT_EQ(await(), periodic());
    clickWhenIdle = true;
    EXPECT_EQ(await(), mouse(0, 0)) << "the animation was stopped";
    command(gfx::MenuId::PlayOne);
    EXPECT_EQ(await(), periodic());
    command(gfx::MenuId::PlayOne);
    EXPECT_EQ(await(), keyboard('b'));
}

TEST_F(Playback, PlaybackContinuesWhereThePlayOneLeftTheScript) {
    writeScript("DROVA_KBD(97);\nDROVA_KBD(98);\nDROVA_KBD(99);\n");
    command(gfx::MenuId::PlayOne);
    EXPECT_EQ(await(), keyboard('a'));
    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(await(2), ElementsAre(keyboard('b'), keyboard('c')));
}

TEST_F(Playback, SwitchedOffAndOnStartsFromTheBeginning) {
    writeScript("DROVA_PERIODIC(3);\nDROVA_KBD(98);\n");
    // Menu commands, not Ctrl keys: while playing, each wait reads on after one message.
    command(gfx::MenuId::PlaybackScript);
    EXPECT_EQ(await(), periodic());
    command(gfx::MenuId::PlaybackScript);
    click(1, 1);
    EXPECT_EQ(await(), mouse(1, 1));
    EXPECT_FALSE(playbackChecked());
    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(await(4), ElementsAre(periodic(), periodic(), periodic(), keyboard('b')))
        << "the rest of the earlier run is not carried over";
}

TEST_F(Playback, AfterTheEndTheScriptPlaysAgainFromTheStart) {
    writeScript("DROVA_KBD(97);\nDROVA_MOUSE(1, 1);");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(await(2), ElementsAre(keyboard('a'), mouse(1, 1)));
    click(0, 0);
    await();
    EXPECT_THAT(session.takeLog(), ElementsAre(EofMessage));

    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(await(2), ElementsAre(keyboard('a'), mouse(1, 1)));
    click(0, 0);
    await();
    command(gfx::MenuId::PlayOne);
    EXPECT_EQ(await(), keyboard('a'));
}

TEST_F(Playback, PlayOneOfTheUnendedLastLineDoesNotRestartPlayback) {
    writeScript("DROVA_KBD(97);\nDROVA_KBD(98);");
    command(gfx::MenuId::PlayOne);
    command(gfx::MenuId::PlayOne);
    EXPECT_THAT(await(2), ElementsAre(keyboard('a'), keyboard('b')));
    command(gfx::MenuId::PlaybackScript);
    click(0, 0);
    EXPECT_EQ(await(), mouse(0, 0));
    EXPECT_THAT(session.takeLog(), ElementsAre(EofMessage));
}

TEST_F(Playback, NumbersAreScannedFromTheSeventhCharacter) {
    writeScript(
        "DROVA_MOUSE(-12, 40);\n"
        "DROVA_MOUSE(  7 ,y= -3 );\n"
        "DROVA_MOUSE(2147483647, -2147483648);\n"
        "DROVA_MOUSE(99999999999, -9999999999);\n"  // beyond int: clamped
        "DROVA_MOUSE(00000000012345, 6);\n"         // eleven characters taken, run skipped
        "DROVA_MOUSE(12-34, 5);\n"
        "DROVA_MOUSE(--5, -);\n"
        "DROVA_MOUSE(7);\n"
        "DROVA_MOUSE();\n"
        "DROVA_KBD();\n"
        "DROVA_KBD(-23);\n"
        "DROVA_KBD(300);\n"
        "12345_K(9);\n"
        "DROVA_PERIODIC(0);\n"
        "DROVA_PERIODIC(-4);\n"
        "DROVA_PERIODIC();\n"
        "DROVA_PERIODIC(99999999999);\n");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(
        await(20),
        ElementsAre(mouse(-12, 40), mouse(7, -3), mouse(INT_MAX, INT_MIN), mouse(INT_MAX, INT_MIN),
                    mouse(12, 6), mouse(12, 5), mouse(0, 0), mouse(7, 0), mouse(0, 0), keyboard(0),
                    keyboard('\xE9'), keyboard(','), keyboard('\t'), periodic(), periodic(),
                    periodic(), periodic(), periodic(), periodic(), periodic()));
    EXPECT_EQ(gfx::state().script.periodicRun, INT_MAX - 4);
}

TEST_F(Playback, LongLineIsCutAndItsRestIsNotTheNextEvent) {
    const std::string padding(600, ' ');
    writeScript("DROVA_KBD(7);" + padding + "DROVA_PERIODIC(3);\n" + "DROVA_MOUSE(" +
                std::string(497, ' ') + "123, 456);\n" + "DROVA_MOUSE(1, 2);\n");
    command(gfx::MenuId::PlaybackScript);
    EXPECT_THAT(await(3), ElementsAre(keyboard(7), mouse(12, 0), mouse(1, 2)))
        << "a number across the 511th character is cut there";
}
