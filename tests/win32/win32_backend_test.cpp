// The back end's real windows, menu, messages and dialog (under Wine off Windows).
#include "gfx/backends/win32/win32_backend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "gfx/backends/win32/dpi_awareness.h"
#include "gfx/backends/win32/dpi_scale.h"
#include "gfx/backends/win32/input_dialog_layout.h"
#include "gfx/backends/win32/latin1_text.h"
#include "gfx/core/menu_items.h"

namespace gfx {
namespace {

std::string describe(const Message& m) {
    switch (m.kind) {
        case MessageKind::Timer:
            return "timer";
        case MessageKind::LeftClick:
            return "click " + std::to_string(m.x) + "," + std::to_string(m.y);
        case MessageKind::KeyDown:
            return "keyDown " + std::to_string(m.keyCode);
        case MessageKind::KeyUp:
            return "keyUp " + std::to_string(m.keyCode);
        case MessageKind::Character:
            return "typed " + std::to_string(m.character);
        case MessageKind::Command:
            return "command " + std::to_string(m.commandId);
        case MessageKind::Size:
            return "size " + std::to_string(m.width) + "x" + std::to_string(m.height);
        case MessageKind::Quit:
            return "quit";
    }
    return "?";
}

WideString windowText(HWND window) {
    wchar_t text[256] = {};
    return WideString(text, static_cast<std::size_t>(GetWindowTextW(window, text, 256)));
}

WideString className(HWND window) {
    wchar_t name[64] = {};
    return WideString(name, static_cast<std::size_t>(GetClassNameW(window, name, 64)));
}

// A path of the build machine's that the program can open: under Wine, a Unix path is
// on drive Z.
std::string programPath(std::string path) {
    return path.starts_with('/') ? "Z:" + path : path;
}

class Win32BackendTest : public testing::Test {
protected:
    void SetUp() override {
        backend_ = std::make_unique<Win32Backend>(GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(backend_->started()) << narrowToLatin1(backend_->startProblem(), 255);
        taken();  // what making the windows posted
    }

    HWND graphics() const { return backend_->graphicsWindow()->hwnd(); }
    HWND text() const { return backend_->textWindow()->hwnd(); }
    int scale() const { return backend_->graphicsWindow()->scale(); }

    // Everything posted, after dispatching what the queue holds.
    std::vector<std::string> taken() {
        std::vector<std::string> all;
        Message m;
        while (backend_->take(m)) all.push_back(describe(m));
        return all;
    }

    std::unique_ptr<Win32Backend> backend_;
};

using Strings = std::vector<std::string>;

TEST_F(Win32BackendTest, WindowsAreOfTheirClassesWithTheLibrarysTitles) {
    EXPECT_EQ(className(graphics()), L"DrawWndClass");
    EXPECT_EQ(className(text()), L"TextWndClass");
    EXPECT_EQ(windowText(graphics()), L"DROVA Graphics");
    EXPECT_EQ(windowText(text()), L"DROVA Text");
    for (HWND w : {graphics(), text()}) {
        EXPECT_EQ(GetClassLongPtrW(w, GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW),
                  static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW));
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(GetClassLongPtrW(w, GCLP_HBRBACKGROUND)),
                  GetStockObject(WHITE_BRUSH));
        EXPECT_FALSE(IsWindowVisible(w));  // until open()
    }
    // The graphics window cannot be resized or maximised; the text window can.
    const LONG_PTR style = GetWindowLongPtrW(graphics(), GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION && style & WS_SYSMENU && style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    EXPECT_EQ(GetWindowLongPtrW(text(), GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
}

TEST_F(Win32BackendTest, WindowsArePlacedAndSizedAsTheScreenAndThePictureSay) {
    EXPECT_EQ(scale(), pictureScale(windowDpi(graphics())));
    RECT client = {}, outer = {};
    GetClientRect(graphics(), &client);
    GetWindowRect(graphics(), &outer);
    EXPECT_EQ(client.right, scaledClientWidth(scale()));
    EXPECT_EQ(client.bottom, scaledClientHeight(scale()));
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);

    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    GetWindowRect(text(), &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, (2 * h) / 3 + 1);
    EXPECT_EQ(outer.right - outer.left, w);
    EXPECT_EQ(outer.bottom - outer.top, h / 3);
}

TEST_F(Win32BackendTest, TheMenuBarIsTheRunMenuOfTheTable) {
    HMENU bar = GetMenu(graphics());
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    wchar_t title[32] = {};
    GetMenuStringW(bar, 0, title, 32, MF_BYPOSITION);
    EXPECT_EQ(WideString(title), L"&Run");
    HMENU run = GetSubMenu(bar, 0);
    const auto items = runMenuItems();
    ASSERT_EQ(GetMenuItemCount(run), static_cast<int>(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const UINT position = static_cast<UINT>(i);
        const UINT state = GetMenuState(run, position, MF_BYPOSITION);
        SCOPED_TRACE(i);
        if (!item.text) {
            EXPECT_TRUE(state & MF_SEPARATOR);
            continue;
        }
        wchar_t label[64] = {};
        GetMenuStringW(run, position, label, 64, MF_BYPOSITION);
        EXPECT_EQ(WideString(label), widenLatin1(menuLabel(item)));
        EXPECT_EQ(GetMenuItemID(run, static_cast<int>(i)), static_cast<UINT>(item.id));
        EXPECT_EQ((state & MF_CHECKED) != 0, item.checkable && item.checked);
        EXPECT_EQ((state & MF_GRAYED) != 0, item.greyed);
    }
    backend_->setMenuCheck(MenuId::RecordScript, true);
    EXPECT_TRUE(GetMenuState(run, MenuId::RecordScript, MF_BYCOMMAND) & MF_CHECKED);
    backend_->setMenuCheck(MenuId::RecordScript, false);
    EXPECT_FALSE(GetMenuState(run, MenuId::RecordScript, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(Win32BackendTest, InputToTheGraphicsWindowBecomesLibraryMessages) {
    const int s = scale();
    HWND g = graphics();
    // The last device pixel of picture pixel (10, 20) at this scale.
    SendMessageW(g, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10 * s + s - 1, 20 * s + s - 1));
    SendMessageW(g, WM_KEYDOWN, VK_CONTROL, 0);
    SendMessageW(g, WM_KEYDOWN, 'H', 0);
    SendMessageW(g, WM_KEYUP, VK_CONTROL, 0);
    SendMessageW(g, WM_KEYDOWN, VK_F1, 0);
    SendMessageW(g, WM_CHAR, 0xE9, 0);
    SendMessageW(g, WM_CHAR, 0x20AC, 0);  // no Latin-1 byte: nothing typed
    SendMessageW(g, WM_COMMAND, MAKEWPARAM(MenuId::Halt, 0), 0);
    SendMessageW(g, WM_ACTIVATEAPP, TRUE, 0);
    SendMessageW(g, WM_ACTIVATEAPP, FALSE, 0);  // Ctrl counts as released
    EXPECT_EQ(taken(), (Strings{"click 10,20", "keyDown 17", "keyDown 72", "keyUp 17",
                                "keyDown 255", "typed 233", "command 2", "keyUp 17"}));
}

TEST_F(Win32BackendTest, ClosingTheGraphicsWindowAsksToQuitAndKeepsIt) {
    SendMessageW(graphics(), WM_CLOSE, 0, 0);
    EXPECT_EQ(taken(), Strings{"quit"});
    EXPECT_TRUE(IsWindow(graphics()));
}

TEST_F(Win32BackendTest, ClosingTheTextWindowHidesItUntilItIsShownAgain) {
    ShowWindow(text(), SW_SHOWNOACTIVATE);
    SendMessageW(text(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(text()));
    EXPECT_FALSE(IsWindowVisible(text()));
    EXPECT_EQ(taken(), Strings{});
    backend_->showTextWindow();
    EXPECT_TRUE(IsWindowVisible(text()));
}

TEST_F(Win32BackendTest, KeysInTheTextWindowAreTheGraphicsWindowsTypedOnce) {
    ShowWindow(text(), SW_SHOW);
    SetForegroundWindow(text());
    SetFocus(text());
    ASSERT_EQ(GetFocus(), text());
    SendMessageW(text(), WM_KEYDOWN, VK_CONTROL, 0);
    SendMessageW(text(), WM_KEYDOWN, 'L', 0);          // not translated again into an "l"
    SendMessageW(text(), WM_CHAR, 0xE9, 0);            // the character it was translated into
    SendMessageW(text(), WM_SYSKEYUP, VK_CONTROL, 0);  // Ctrl let go while Alt was down
    EXPECT_EQ(taken(), (Strings{"keyDown 17", "keyDown 76", "typed 233", "keyUp 17"}));
}

TEST_F(Win32BackendTest, TheTimerEndsAWait) {
    backend_->open(SW_HIDE);
    const auto start = std::chrono::steady_clock::now();
    backend_->waitForMessage(true);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(taken(), Strings{"timer"});
}

TEST_F(Win32BackendTest, ThePresentedImageIsShownPixelForPixelTheRightWayUp) {
    PixelImage image;
    image.data()[0] = 0xFFFF0000;  // red at the top left
    image.data()[(ClientHeight - 1) * image.width() + ClientWidth - 1] = 0xFF0000FF;  // blue
    ShowWindow(graphics(), SW_SHOWNOACTIVATE);
    backend_->present(image);
    const int s = scale();
    HDC dc = GetDC(graphics());
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, s - 1, s - 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, s, 0), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, 0, scaledClientHeight(s) - 1), RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(dc, scaledClientWidth(s) - 1, scaledClientHeight(s) - 1), RGB(0, 0, 255));
    ReleaseDC(graphics(), dc);
}

TEST_F(Win32BackendTest, TheProgramsNameAndPictureAreOnBothWindows) {
    ASSERT_TRUE(backend_->setIdentity(identityNamed("Hello", programPath(TEST_ICON_PNG))));
    EXPECT_EQ(windowText(graphics()), L"Hello Graphics");
    EXPECT_EQ(windowText(text()), L"Hello Text");
    const auto icon = [](HWND w, WPARAM kind) { return SendMessageW(w, WM_GETICON, kind, 0); };
    const LRESULT big = icon(graphics(), ICON_BIG);
    EXPECT_NE(big, 0);
    EXPECT_NE(icon(graphics(), ICON_SMALL), 0);
    EXPECT_EQ(icon(text(), ICON_BIG), big);

    // Unreadable pictures are reported, and the windows keep the icon they have.
    EXPECT_FALSE(backend_->setIdentity(identityNamed("Hello", "Z:/no/such/icon.png")));
    const std::string notAPicture = "not_a_picture.png";
    std::ofstream(notAPicture) << "plain text";
    EXPECT_FALSE(backend_->setIdentity(identityNamed("Hello", notAPicture)));
    std::remove(notAPicture.c_str());
    EXPECT_EQ(icon(graphics(), ICON_BIG), big);
}

// Plays the user at the dialog, from a timer its modal loop runs.
struct DialogUser {
    HWND graphics = nullptr, text = nullptr;
    int tick = 0;
    WideString prompt;
    bool ownersDisabled = false, escapeIgnored = false, closeIgnored = false;
    bool enterPressedOkay = true;
};
DialogUser* user = nullptr;

void CALLBACK actAtDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowW(L"#32770", L"Probe_gets");
    if (!dialog) return;
    HWND edit = GetDlgItem(dialog, InputDialogId::Edit);
    switch (user->tick++) {
        case 0: {
            wchar_t prompt[128] = {};
            GetDlgItemTextW(dialog, InputDialogId::Prompt, prompt, 128);
            user->prompt = prompt;
            user->ownersDisabled = !IsWindowEnabled(user->graphics) && !IsWindowEnabled(user->text);
            SetWindowTextW(edit, L"caf\u00E9 \u20AC1");
            PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
            break;
        }
        case 1:
            user->escapeIgnored = true;  // still here
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            break;
        case 2:
            user->closeIgnored = true;
            PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
            break;
        case 10:
            // Enter did not end it: end it with the button, so that the test ends.
            user->enterPressedOkay = false;
            SendMessageW(GetDlgItem(dialog, InputDialogId::Okay), BM_CLICK, 0, 0);
            break;
        default:
            break;
    }
}

TEST_F(Win32BackendTest, TheInputDialogTakesALineEndedByEnterOnly) {
    backend_->setIdentity(identityNamed("Probe"));
    ShowWindow(graphics(), SW_SHOWNOACTIVATE);
    ShowWindow(text(), SW_SHOWNOACTIVATE);
    DialogUser acting;
    acting.graphics = graphics();
    acting.text = text();
    user = &acting;
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, actAtDialog);
    std::string reply;
    const bool shown = backend_->runInputDialog("Your town?", reply);
    KillTimer(nullptr, timer);
    user = nullptr;

    ASSERT_TRUE(shown);
    EXPECT_EQ(reply, "caf\xE9 1");  // Latin-1, the euro sign left out
    EXPECT_EQ(acting.prompt, promptText("Your town?"));
    EXPECT_TRUE(acting.ownersDisabled);
    EXPECT_TRUE(acting.escapeIgnored);
    EXPECT_TRUE(acting.closeIgnored);
    EXPECT_TRUE(acting.enterPressedOkay);
    EXPECT_TRUE(IsWindowEnabled(graphics()));
    EXPECT_TRUE(IsWindowEnabled(text()));
}

}  // namespace
}  // namespace gfx
