// The event wait: animation flags, shortcuts, clicks, typed characters and quit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "gfx/core/menu_items.h"
#include "gfx/core/opening.h"
#include "gfx/core/tool_hooks.h"
#include "tests/support/headless_session.h"

using gfx::Message;
using gfx::MessageKind;
using gfx::KeyCode::Control;

namespace {

struct Event {
    EventKind kind;
    int x, y;
    char key;
};

Event await(Display& d) {
    Event e{EventKind::None, -1, -1, -1};
    e.kind = d.awaitEvent(e.x, e.y, e.key);
    return e;
}

class EventWait : public ::testing::Test {
protected:
    void post(const Message& m) { session.backend().post(m); }
    void ctrl(char letter) {
        post(Message::keyDown(Control));
        post(Message::keyDown(letter));
        post(Message::typed(letter - 'A' + 1));  // the control character typed
        post(Message::keyUp(letter));
        post(Message::keyUp(Control));
    }
    HeadlessSession session;
    Display display;
};

TEST_F(EventWait, ClicksArriveInWorldCoordinates) {
    post(Message::leftClick(300, 250));
    post(Message::leftClick(310, 240));
    post(Message::leftClick(0, 0));
    Event e = await(display);
    EXPECT_EQ(e.kind, EventKind::Mouse);
    EXPECT_EQ(e.x, 0);
    EXPECT_EQ(e.y, 0);
    EXPECT_EQ(e.key, 0);
    e = await(display);  // two quick clicks give two events
    EXPECT_EQ(e.kind, EventKind::Mouse);
    EXPECT_EQ(e.x, 10);
    EXPECT_EQ(e.y, 10);
    e = await(display);
    EXPECT_EQ(e.x, -300);
    EXPECT_EQ(e.y, 250);
}

TEST_F(EventWait, TypedCharacterGivesKeyboardWithZeroPosition) {
    post(Message::keyDown('A'));
    post(Message::typed('a'));
    Event e = await(display);
    EXPECT_EQ(e.kind, EventKind::Keyboard);
    EXPECT_EQ(e.key, 'a');
    EXPECT_EQ(e.x, 0);
    EXPECT_EQ(e.y, 0);
}

TEST_F(EventWait, CharacterTypedWithCtrlHeldIsNoEvent) {
    ctrl('X');  // not a shortcut: nothing at all happens
    post(Message::typed('b'));
    Event e = await(display);
    EXPECT_EQ(e.kind, EventKind::Keyboard);
    EXPECT_EQ(e.key, 'b');
}

TEST_F(EventWait, AnimationGivesOnePeriodicEventPerTimerTick) {
    display.setAnimation(AnimationMode::Animate);
    for (int i = 0; i < 3; ++i) {
        Event e = await(display);
        EXPECT_EQ(e.kind, EventKind::Periodic);
        EXPECT_EQ(e.x, 0);
        EXPECT_EQ(e.y, 0);
        EXPECT_EQ(e.key, 0);
    }
    // A timer tick that arrived before the wait began is not counted again.
    post(Message::timer());
    post(Message::timer());
    EXPECT_EQ(await(display).kind, EventKind::Periodic);
    EXPECT_FALSE(session.backend().hasMessages());
}

TEST_F(EventWait, ClickReplacesAPeriodicEventWaitingForItsTick) {
    display.setAnimation(AnimationMode::Animate);
    post(Message::leftClick(301, 250));
    Event e = await(display);
    EXPECT_EQ(e.kind, EventKind::Mouse);
    EXPECT_EQ(e.x, 1);
}

TEST_F(EventWait, HaltAndAdvanceOneFrame) {
    display.setAnimation(AnimationMode::Animate);
    ctrl('H');
    post(Message::typed('k'));
    // The periodic event armed before the halt still comes, then only input.
    std::vector<EventKind> kinds;
    for (Event e = await(display); e.kind != EventKind::Keyboard; e = await(display))
        kinds.push_back(e.kind);
    EXPECT_LE(kinds.size(), 1u);

    ctrl('F');
    EXPECT_EQ(await(display).kind, EventKind::Periodic);
    post(Message::typed('z'));
    Event e = await(display);
    EXPECT_EQ(e.kind, EventKind::Keyboard);  // exactly one frame
    EXPECT_EQ(e.key, 'z');
}

// A run that ends when nothing is left to happen (the headless runner's) still gives
// the frame that was asked for while it waits for its tick.
TEST_F(EventWait, AFrameWaitingForItsTickIsStillToHappen) {
    session.backend().setIdleHandler([](gfx::HeadlessBackend& b) {
        if (gfx::nothingScheduled()) b.post(Message::quit());
    });
    display.setAnimation(AnimationMode::AdvanceFrame);
    EXPECT_EQ(await(display).kind, EventKind::Periodic);
    EXPECT_EQ(await(display).kind, EventKind::Quit);
}

TEST_F(EventWait, EveryCtrlFWhileHaltedGivesItsOwnFrame) {
    // Three presses within one timer tick: none is merged into another's frame.
    ctrl('F');
    ctrl('F');
    ctrl('F');
    for (int frame = 0; frame < 3; ++frame) EXPECT_EQ(await(display).kind, EventKind::Periodic);
    post(Message::typed('z'));
    EXPECT_EQ(await(display).kind, EventKind::Keyboard);  // and no fourth frame
}

TEST_F(EventWait, CtrlFWhileAnimatingStopsAfterExactlyOneFrame) {
    display.setAnimation(AnimationMode::Animate);
    EXPECT_EQ(await(display).kind, EventKind::Periodic);
    ctrl('F');
    EXPECT_EQ(await(display).kind, EventKind::Periodic);
    post(Message::typed('q'));
    EXPECT_EQ(await(display).kind, EventKind::Keyboard);
}

TEST_F(EventWait, MenuCommandsDriveTheAnimation) {
    post(Message::command(gfx::MenuId::Animate));
    EXPECT_EQ(await(display).kind, EventKind::Periodic);
    post(Message::command(gfx::MenuId::Halt));
    post(Message::leftClick(300, 250));
    Event e = await(display);
    while (e.kind == EventKind::Periodic) e = await(display);
    EXPECT_EQ(e.kind, EventKind::Mouse);
    post(Message::command(gfx::MenuId::AdvanceFrame));
    EXPECT_EQ(await(display).kind, EventKind::Periodic);
}

TEST_F(EventWait, QuitFromMenuShortcutOrWindowClose) {
    post(Message::command(gfx::MenuId::Quit));
    EXPECT_EQ(await(display).kind, EventKind::Quit);
    ctrl('Q');
    EXPECT_EQ(await(display).kind, EventKind::Quit);
    post(Message::quit());
    EXPECT_EQ(await(display).kind, EventKind::Quit);
}

TEST_F(EventWait, LowerCaseShortcutsWorkToo) {
    // Key codes are those of the letter keys whatever the case typed.
    post(Message::keyDown(Control));
    post(Message::keyDown('L'));
    post(Message::keyUp(Control));
    post(Message::typed('x'));
    EXPECT_EQ(await(display).kind, EventKind::Keyboard);
    EXPECT_TRUE(gfx::state().log.loggingOn);
    EXPECT_TRUE(session.backend().menuChecked(gfx::MenuId::Logging));
}

TEST_F(EventWait, QuitAnimationModeReportsEveryLaterEventAsQuit) {
    display.setAnimation(AnimationMode::Quit);
    post(Message::typed('a'));
    EXPECT_EQ(await(display).kind, EventKind::Quit);
    post(Message::leftClick(5, 5));
    EXPECT_EQ(await(display).kind, EventKind::Quit);
}

TEST_F(EventWait, UnknownMenuIdentifiersAndCreditsDoNothing) {
    post(Message::command(gfx::MenuId::Credit));
    post(Message::command(42));
    post(Message::typed('c'));
    EXPECT_EQ(await(display).kind, EventKind::Keyboard);
    EXPECT_FALSE(gfx::state().animation.animating);
}

TEST_F(EventWait, DirtyImageIsShownBeforeBlocking) {
    int shown = session.backend().imagesShown();
    display.drawLine(0, 0, 5, 5, 0, 1);
    display.setAnimation(AnimationMode::Animate);
    await(display);
    EXPECT_GT(session.backend().imagesShown(), shown);
    EXPECT_FALSE(gfx::state().window.imageDirty);
}

TEST(EventWaitClosed, SetAnimationBeforeOpenReturnsZeroAndChangesNothing) {
    HeadlessSession session;
    EXPECT_EQ(gfxSetAnimation(2), 0);
    EXPECT_EQ(gfxSetLogging(false), 0);
    EXPECT_FALSE(gfx::state().animation.animating);
    EXPECT_TRUE(gfx::state().log.loggingOn);
}

TEST(EventWaitClosed, OpeningWithoutABackEndOpensNothing) {
    gfx::resetLibrary();
    EXPECT_EQ(gfxOpen(nullptr, nullptr, "", 1), 0);
    EXPECT_FALSE(gfx::state().window.open);
    EXPECT_EQ(gfxSetAnimation(2), 0);
}

TEST(EventWaitClosed, SetAnimationCodes) {
    // The application passes the numbers; the names are those numbers.
    static_assert(gfx::AnimationCode::Halt == 0 && gfx::AnimationCode::OneFrame == 1 &&
                  gfx::AnimationCode::Animate == 2 && gfx::AnimationCode::Quit == 5);
    HeadlessSession session;
    gfxOpen(nullptr, nullptr, "", 1);
    EXPECT_EQ(gfxSetAnimation(2), 1);
    EXPECT_TRUE(gfx::state().animation.animating);
    EXPECT_EQ(gfxSetAnimation(1), 1);
    EXPECT_EQ(gfx::state().animation.framesRequested, 1);
    EXPECT_EQ(gfxSetAnimation(3), 1);  // no such code: nothing changes
    EXPECT_EQ(gfxSetAnimation(0), 1);
    EXPECT_FALSE(gfx::state().animation.animating);
    EXPECT_EQ(gfx::state().animation.framesRequested, 0);
    EXPECT_FALSE(gfx::state().animation.quitRequested);
    EXPECT_EQ(gfxSetAnimation(5), 1);
    EXPECT_TRUE(gfx::state().animation.quitRequested);
}

}  // namespace
