#include "corvel_fixture.h"

namespace e2e {
namespace {

class CorvelTray : public CorvelTest {};

TEST_F(CorvelTray, MinimizingParksTheTargetAndTheIconSinksOnce) {
    TargetWindow target(L"minimize me");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    PumpFor(300);  // the watchdog keeps ticking; the icon stays at frame 1
    EXPECT_TRUE(FramesOf(corvel).empty());
    EXPECT_TRUE(target.Parked());
}

TEST_F(CorvelTray, LeftClicksToggleTheTargetWithAnAnimationEach) {
    TargetWindow target(L"click me");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ShowWindow(target.Hwnd(), SW_MAXIMIZE);
    PumpFor(50);
    tray_->Clear();
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return target.Parked(); })) << "a maximized target is parked too";
    EXPECT_TRUE(WaitForFrames(corvel, {4, 3, 2, 1}));

    tray_->Clear();
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    ASSERT_TRUE(WaitFor([&] { return target.Shown(); })) << "brought back, not minimized";
    EXPECT_TRUE(WaitForFrames(corvel, {2, 3, 4, 5}));
    auto modifies = tray_->EventsOf(corvel, NIM_MODIFY);
    for (const auto& m : modifies) EXPECT_EQ(m.Tip, L"click me");
}

TEST_F(CorvelTray, DoubleClickParksAndBringsBack) {
    TargetWindow target(L"double");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    tray_->Clear();
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
        PostMessageW(corvel, kCorvelCallback, 0, m);
    }
    EXPECT_TRUE(WaitForFrames(corvel, {4, 3, 2, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
}

TEST_F(CorvelTray, OtherMouseMessagesDoNothing) {
    TargetWindow target(L"still");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    tray_->Clear();
    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MBUTTONUP}) {
        PostMessageW(corvel, kCorvelCallback, 0, m);
    }
    PumpFor(500);
    EXPECT_EQ(OpenPopupMenu(), nullptr);
    EXPECT_TRUE(tray_->Events().empty());
    EXPECT_TRUE(target.Shown());
}

// The menu of another process cannot be read here, but the keyboard walks
// it: Down from nothing selected reaches 表示, 隠す, then (past the
// separator) トレイからはずす, and wraps to 表示 on the fourth press.
TEST_F(CorvelTray, RightClickMenuHidesShowsAndTakesOut) {
    TargetWindow target(L"menu");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    auto choose = [&](int downs) {
        PostMessageW(corvel, kCorvelCallback, 0, WM_RBUTTONUP);
        if (!WaitFor([] { return OpenPopupMenu() != nullptr; }, 5000)) return false;
        for (int i = 0; i < downs; ++i) Tap(VK_DOWN);
        Tap(VK_RETURN);
        return WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000);
    };

    tray_->Clear();
    ASSERT_TRUE(choose(2)) << "隠す";
    EXPECT_TRUE(WaitFor([&] { return target.Parked(); }));
    EXPECT_TRUE(WaitForFrames(corvel, {4, 3, 2, 1}));

    tray_->Clear();
    ASSERT_TRUE(choose(4)) << "表示, after wrapping round the three items";
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
    EXPECT_TRUE(WaitForFrames(corvel, {2, 3, 4, 5}));

    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    ASSERT_TRUE(WaitFor([&] { return target.Parked(); }));
    ASSERT_TRUE(choose(3)) << "トレイからはずす";
    EXPECT_TRUE(WaitForDelete(corvel));
    EXPECT_TRUE(corvel_.WaitExit());
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
}

TEST_F(CorvelTray, ReleaseWhileTheMenuIsOpenIsPassedOn) {
    TargetWindow target(L"menu open");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    PostMessageW(corvel, kCorvelCallback, 0, WM_RBUTTONUP);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() != nullptr; }, 5000));
    PostMessageW(corvel, kCorvelRelease, 964, 4649);
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    PumpFor(500);
    EXPECT_TRUE(corvel_.Running());
    Tap(VK_ESCAPE);
    ASSERT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
    PumpFor(300);
    EXPECT_TRUE(corvel_.Running());
    EXPECT_TRUE(target.Shown());
    EXPECT_TRUE(tray_->EventsOf(corvel, NIM_DELETE).empty());
}

TEST_F(CorvelTray, TaskbarCreatedAddsTheIconAgainWithItsFrame) {
    TargetWindow target(L"explorer restarted");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    PostMessageW(corvel, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !tray_->EventsOf(corvel, NIM_ADD).empty(); }));
    auto add = tray_->EventsOf(corvel, NIM_ADD)[0];
    EXPECT_EQ(add.Tip, L"explorer restarted");
    ASSERT_TRUE(add.Icon.has_value());
    EXPECT_EQ(FrameShown(*add.Icon), 1) << "the parked window's icon comes back sunk";

    tray_->Clear();
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); })) << "and it still brings the window back";
}

}  // namespace
}  // namespace e2e
