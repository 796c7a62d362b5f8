// The Qt back end with real widgets on the offscreen platform.
// Qt's GUI headers declare Xlib's Display type; keep that name free for ours.
#define Display XlibDisplay
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#undef Display

#include "gfx/backends/qt/input_dialog.h"
#include "gfx/backends/qt/qt_backend.h"
#include "gfx/core/library_reset.h"
#include "gfx/core/menu_items.h"
#include "gfx/core/state.h"
#include "gfx/gfx.h"
#include "vehicles/library_names.h"

using ::testing::ElementsAre;

namespace {

class QtSession : public ::testing::Test {
protected:
    QtSession() : backend(&gfx::resetLibraryWith<gfx::QtBackend>()) {
        display = std::make_unique<Display>();
    }
    ~QtSession() override {
        display.reset();
        gfx::resetLibrary();
    }
    EventKind await(int& x, int& y, char& key) { return display->awaitEvent(x, y, key); }
    EventKind await() {
        int x, y;
        char key;
        return await(x, y, key);
    }
    QMenu* runMenu() { return backend->graphicsWindow()->menuBar()->actions().at(0)->menu(); }

    gfx::QtBackend* backend;
    std::unique_ptr<Display> display;
};

TEST_F(QtSession, WindowsCarryTheirTitlesAndSizes) {
    auto* g = backend->graphicsWindow();
    EXPECT_EQ(g->windowTitle(), "DROVA Graphics");
    EXPECT_EQ(backend->textWindow()->windowTitle(), "DROVA Text");
    EXPECT_EQ(g->canvas()->size(), QSize(601, 501));
    EXPECT_EQ(gfx::state().window.centreX, 300);
    EXPECT_EQ(gfx::state().window.centreY, 250);
    EXPECT_TRUE(g->isVisible());
    EXPECT_TRUE(backend->textWindow()->isVisible());
    EXPECT_FALSE(g->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(QtSession, RunMenuItemsInOrder) {
    auto* bar = backend->graphicsWindow()->menuBar();
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions().at(0)->text(), "&Run");
    QStringList texts;
    for (QAction* a : runMenu()->actions()) texts << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(texts.join("|").toStdString(),
              "&Animate\tCtrl+A|&Halt animation\tCtrl+H|Advance one &frame\tCtrl+F|-|"
              "&Logging\tCtrl+L|-|&Record Script\tCtrl+R|&Playback Script\tCtrl+P|"
              "Play &One Script\tCtrl+O|-|&Quit\tCtrl+Q|-|DROVA v2.2 July 1997|"
              "MAC: mac@example.org|WINDOWS: windows@example.org|UPDATES: updates@example.org");
    const auto actions = runMenu()->actions();
    for (int i = 12; i < 16; ++i) EXPECT_FALSE(actions.at(i)->isEnabled()) << i;
    for (int i : {0, 1, 2, 4, 6, 7, 8, 10}) EXPECT_TRUE(actions.at(i)->isEnabled()) << i;
}

TEST_F(QtSession, LoggingCheckMarkFollowsCtrlL) {
    QAction* logging = backend->graphicsWindow()->menuAction(gfx::MenuId::Logging);
    ASSERT_NE(logging, nullptr);
    EXPECT_FALSE(logging->isChecked());  // switched off once the Display exists
    QTest::keyClick(backend->graphicsWindow(), Qt::Key_L, Qt::ControlModifier);
    QTest::keyClick(backend->graphicsWindow(), Qt::Key_K);
    char key = 0;
    int x, y;
    EXPECT_EQ(await(x, y, key), EventKind::Keyboard);
    EXPECT_EQ(key, 'k');
    EXPECT_TRUE(logging->isChecked());
    EXPECT_TRUE(gfx::state().log.loggingOn);
}

TEST_F(QtSession, MenuActionReachesTheLibrary) {
    backend->graphicsWindow()->menuAction(gfx::MenuId::Animate)->trigger();
    EXPECT_EQ(await(), EventKind::Periodic);  // from the real 100 ms timer
    EXPECT_TRUE(gfx::state().animation.animating);
    backend->graphicsWindow()->menuAction(gfx::MenuId::Quit)->trigger();
    EXPECT_EQ(await(), EventKind::Quit);
}

TEST_F(QtSession, TwoQuickClicksGiveTwoMouseEvents) {
    auto* canvas = backend->graphicsWindow()->canvas();
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(300, 250));
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(310, 240));
    int x, y;
    char key;
    EXPECT_EQ(await(x, y, key), EventKind::Mouse);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(await(x, y, key), EventKind::Mouse);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 10);
}

TEST_F(QtSession, KeysPressedInTheTextWindowActAsInTheGraphicsWindow) {
    QTest::keyClick(backend->textWindow(), Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(backend->textWindow(), Qt::Key_A);
    char key = 0;
    int x, y;
    EXPECT_EQ(await(x, y, key), EventKind::Keyboard);
    EXPECT_EQ(key, 'a');
}

TEST_F(QtSession, TypedCharactersArePassedAsLatin1OrDropped) {
    auto send = [&](const QString& text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(backend->graphicsWindow(), &press);
    };
    send(QString(QChar(0x0142)));  // l with stroke: no Latin-1 byte
    send(QString(QChar(0x00E9)));  // e acute: Latin-1 0xE9
    char key = 0;
    int x, y;
    EXPECT_EQ(await(x, y, key), EventKind::Keyboard);
    EXPECT_EQ(static_cast<unsigned char>(key), 0xE9);
}

TEST_F(QtSession, CtrlCountsAsReleasedWhenTheProgramLosesTheFocus) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    QApplication::sendEvent(backend->graphicsWindow(), &press);
    // The release happens in another program.
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationInactive);
    QTest::keyClick(backend->graphicsWindow(), Qt::Key_B);
    // Should the key be swallowed, a later click ends the wait instead of hanging it.
    QTimer::singleShot(
        1000, [this] { QTest::mouseClick(backend->graphicsWindow()->canvas(), Qt::LeftButton); });
    char key = 0;
    int x, y;
    EXPECT_EQ(await(x, y, key), EventKind::Keyboard);
    EXPECT_EQ(key, 'b');
    QTest::qWait(1100);  // let the click pass before the next test
}

TEST_F(QtSession, ClosingTheGraphicsWindowQuits) {
    backend->graphicsWindow()->close();
    EXPECT_EQ(await(), EventKind::Quit);
    EXPECT_TRUE(backend->graphicsWindow()->isVisible());
}

TEST_F(QtSession, ImageReachesTheWindow) {
    display->clear(4);
    gfxFlush();
    QApplication::processEvents();
    const QImage shot = backend->graphicsWindow()->canvas()->grab().toImage();
    EXPECT_EQ(shot.pixel(300, 250) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(shot.pixel(0, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(shot.pixel(600, 500) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(QtSession, TextWindowShowsTheNewestLinesAtTheBottom) {
    for (int i = 1; i <= 30; ++i) gfxPrintf("line %d\n", i);
    auto* text = backend->textWindow();
    text->resize(400, 200);
    const QImage shot = text->grab().toImage();
    auto inkInRows = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < shot.width(); ++x)
                if ((shot.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return true;
        return false;
    };
    EXPECT_TRUE(inkInRows(shot.height() - 20, shot.height()));
    EXPECT_FALSE(inkInRows(0, shot.height()) && !inkInRows(shot.height() / 2, shot.height()));
    auto lines = gfx::state().log.history.lines();
    EXPECT_EQ(lines.front(), "line 6\n");
    EXPECT_EQ(lines.back(), "line 30\n");
}

TEST_F(QtSession, DialogShowsThePromptAndReturnsTheTypedText) {
    QString title, prompt;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<gfx::InputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        prompt = dialog->promptText()->toPlainText();
        QTest::keyClicks(dialog->editField(), "hello");
        dialog->reject();  // Escape and the like do not close it
        QTest::mouseClick(dialog->okayButton(), Qt::LeftButton);
    });
    char reply[256] = "x";
    EXPECT_EQ(gfxGets("Type something", reply), 1);
    EXPECT_EQ(title, "DROVA_gets");
    EXPECT_EQ(prompt.size(), 79);
    EXPECT_TRUE(prompt.startsWith("Type something "));
    EXPECT_STREQ(reply, "hello");
}

TEST_F(QtSession, EnterAndKeypadEnterPressOkay) {
    for (const bool keypad : {false, true}) {
        QTimer::singleShot(0, [keypad] {
            auto* dialog = dynamic_cast<gfx::InputDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QTest::keyClicks(dialog->editField(), "two words");
            QTest::keyClick(dialog->editField(), keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        });
        char reply[256] = "x";
        EXPECT_EQ(gfxGets("?", reply), 1);
        EXPECT_STREQ(reply, "two words");  // no line end: the dialog ended on the key
    }
}

TEST_F(QtSession, PromptWithoutSpacesShowsWhole) {
    bool fits = false;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<gfx::InputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTextEdit* p = dialog->promptText();
        shown = p->toPlainText();
        const QSizeF used = p->document()->size();
        fits = used.width() <= p->viewport()->width() && used.height() <= p->viewport()->height();
        QTest::mouseClick(dialog->okayButton(), Qt::LeftButton);
    });
    std::string prompt;
    for (int i = 0; i < 79; ++i) prompt.push_back(static_cast<char>('a' + i % 26));
    char reply[256];
    gfxGets(prompt.c_str(), reply);
    EXPECT_EQ(shown, QString::fromLatin1(prompt.c_str()));
    EXPECT_TRUE(fits) << "the prompt is cut";
}

TEST_F(QtSession, DialogWithEmptyFieldGivesEmptyReply) {
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<gfx::InputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->okayButton(), Qt::LeftButton);
    });
    char reply[256] = "x";
    EXPECT_EQ(gfxGets("?", reply), 1);
    EXPECT_STREQ(reply, "");
}

// The dialog's title, as the program asking sees it.
QString dialogTitle() {
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = dynamic_cast<gfx::InputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        QTest::mouseClick(dialog->okayButton(), Qt::LeftButton);
    });
    char reply[256];
    gfxGets("?", reply);
    return title;
}

// A program that names itself before making its Display gets its windows under its name
// and with its icon; named again, they change at once; without a name they are the
// library's. An icon that cannot be read is reported once the windows are open, and
// they keep the one they have.
TEST(QtIdentity, ProgramNamesItsWindowsAndGivesThemItsIcon) {
    gfx::QtBackend* backend = &gfx::resetLibraryWith<gfx::QtBackend>();
    QApplication::setWindowIcon(QIcon());
    EXPECT_EQ(gfxSetIdentity("Bounce", TOWN_TEST_ICON), 1);
    auto display = std::make_unique<Display>();
    EXPECT_EQ(backend->graphicsWindow()->windowTitle(), "Bounce Graphics");
    EXPECT_EQ(backend->textWindow()->windowTitle(), "Bounce Text");
    EXPECT_EQ(dialogTitle(), "Bounce_gets");
    const QIcon icon = QApplication::windowIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(48, 48)});
    EXPECT_EQ(backend->graphicsWindow()->windowIcon().cacheKey(), icon.cacheKey());

    EXPECT_EQ(gfxSetIdentity("Pond \u00e9t\u00e9", "no-such-icon.png"), 0);
    EXPECT_EQ(backend->graphicsWindow()->windowTitle(), "Pond \u00e9t\u00e9 Graphics");
    EXPECT_EQ(gfx::state().log.history.newest(), "Cannot read icon file no-such-icon.png\n");
    EXPECT_EQ(QApplication::windowIcon().cacheKey(), icon.cacheKey());
    EXPECT_EQ(gfxSetIdentity(nullptr, nullptr), 1);
    EXPECT_EQ(backend->textWindow()->windowTitle(), "DROVA Text");
    EXPECT_EQ(dialogTitle(), "DROVA_gets");

    // Named before the windows open, the unread icon is reported when they do.
    display.reset();
    gfx::resetLibrary(std::make_unique<gfx::QtBackend>());
    EXPECT_EQ(gfxSetIdentity("", "no-such-icon.png"), 0);
    EXPECT_EQ(gfx::state().log.history.first(), -1);
    display = std::make_unique<Display>();
    EXPECT_EQ(gfx::state().log.history.newest(), "Cannot read icon file no-such-icon.png\n");
    display.reset();
    gfx::resetLibrary();
}

TEST(QtSecondDisplay, ShowsTheErrorDialogThenExitsWithMinusOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            gfx::resetLibrary(std::make_unique<gfx::QtBackend>());
            Display first;
            QTimer::singleShot(0, [] {
                auto* dialog = dynamic_cast<gfx::InputDialog*>(QApplication::activeModalWidget());
                if (!dialog || dialog->windowTitle() != "DROVA_gets" ||
                    !dialog->promptText()->toPlainText().startsWith(
                        "Error: Attempted to instantiate multiple DROVA displays"))
                    std::_Exit(3);
                QTest::keyClicks(dialog->editField(), "whatever");
                QTest::mouseClick(dialog->okayButton(), Qt::LeftButton);
            });
            Display second;
        },
        ::testing::ExitedWithCode(255), "");
}

}  // namespace
