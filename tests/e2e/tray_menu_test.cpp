#include "vitrane_fixture.h"

namespace e2e {
namespace {

class TrayMenu : public VitraneTest {};

TEST_F(TrayMenu, RightButtonOpensTheMenuAndExitRemovesTheIcon) {
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(OpenTrayMenu());
    Tap(VK_END);  // the last item, 終了
    Tap(VK_RETURN);
    EXPECT_TRUE(tray_->WaitForEvent([&](const TrayEvent& e) {
        return e.Op == NIM_DELETE && e.Owner == main && e.Id == 0;
    })) << "終了 deletes the icon";
    EXPECT_TRUE(vitrane_.WaitExit());
    EXPECT_EQ(vitrane_.ExitCode(), 0u);
}

TEST_F(TrayMenu, OtherButtonsOpenNothing) {
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    for (UINT m : {WM_LBUTTONUP, WM_LBUTTONDOWN, WM_MBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE}) {
        SendTrayNotification(main, 512, m);
        PumpFor(300);
        EXPECT_EQ(OpenPopupMenu(), nullptr) << "mouse message " << m;
    }
}

TEST_F(TrayMenu, EscapeClosesTheMenuAndTheProgramGoesOn) {
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(OpenTrayMenu());
    Tap(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
    EXPECT_TRUE(vitrane_.Running());
    ASSERT_TRUE(OpenTrayMenu()) << "it opens again";
    Tap(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
}

TEST_F(TrayMenu, TaskbarCreatedBringsTheIconBack) {
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    tray_->Clear();
    SendMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_TRUE(tray_->WaitForEvent(
        [&](const TrayEvent& e) { return e.Op == NIM_ADD && e.Owner == main; }));
    auto add = tray_->EventsOf(main, NIM_ADD).front();
    EXPECT_EQ(add.Tip.substr(0, 10), L"ウィンドウ透過ツール");
    EXPECT_TRUE(add.Icon.has_value());
}

TEST_F(TrayMenu, CloseFromAnotherProgramRemovesTheIconAndEnds) {
    // A graceful taskkill or an uninstaller: WM_CLOSE to the hidden window.
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(tray_->WaitForEvent([&](const TrayEvent& e) {
        return e.Op == NIM_DELETE && e.Owner == main && e.Id == 0;
    })) << "the icon goes first";
    EXPECT_TRUE(vitrane_.WaitExit());
    EXPECT_EQ(vitrane_.ExitCode(), 0u);
}

TEST_F(TrayMenu, SessionEndEndsWithoutDeletingTheIcon) {
    // Log-off and shutdown leave the icon to the shell.
    for (LPARAM how : {LPARAM{0}, static_cast<LPARAM>(ENDSESSION_LOGOFF)}) {
        HWND main = StartVitrane();
        ASSERT_NE(main, nullptr);
        EXPECT_NE(SendMessageW(main, WM_QUERYENDSESSION, 0, how), 0) << "agrees to end the session";
        PostMessageW(main, WM_ENDSESSION, TRUE, how);
        EXPECT_TRUE(vitrane_.WaitExit()) << how;
        EXPECT_TRUE(tray_->EventsOfOp(NIM_DELETE).empty()) << how;
        tray_->Clear();
    }
}

TEST_F(TrayMenu, ClosingForAnInstallerRemovesTheIconAndEnds) {
    // The Restart Manager asks the application alone to close; the shell stays.
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    EXPECT_NE(SendMessageW(main, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), 0);
    EXPECT_TRUE(vitrane_.Running()) << "the question alone ends nothing";
    PostMessageW(main, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    EXPECT_TRUE(tray_->WaitForEvent(
        [&](const TrayEvent& e) { return e.Op == NIM_DELETE && e.Owner == main && e.Id == 0; }));
    EXPECT_TRUE(vitrane_.WaitExit());
}

TEST_F(TrayMenu, ACancelledSessionEndGoesOn) {
    HWND main = StartVitrane();
    ASSERT_NE(main, nullptr);
    for (LPARAM how : {LPARAM{0}, static_cast<LPARAM>(ENDSESSION_CLOSEAPP)}) {
        SendMessageW(main, WM_QUERYENDSESSION, 0, how);
        SendMessageW(main, WM_ENDSESSION, FALSE, how);
    }
    PumpFor(300);
    EXPECT_TRUE(vitrane_.Running());
    EXPECT_TRUE(tray_->EventsOfOp(NIM_DELETE).empty());
    EXPECT_TRUE(OpenTrayMenu()) << "the menu still opens";
    Tap(VK_ESCAPE);
}

}  // namespace
}  // namespace e2e
