// A parked window always has its way back: the companion hides its window
// only while its icon is in the notification area, and the shell may refuse
// the icon (busy at logon, restarting, replaced).
#include "corvel_fixture.h"

namespace e2e {
namespace {

class CorvelWithoutIcon : public CorvelTest {
  protected:
    static bool OnTheTaskbar(const TargetWindow& target) {
        return IsWindowVisible(target.Hwnd()) && IsIconic(target.Hwnd());
    }
};

TEST_F(CorvelWithoutIcon, AWindowIsHiddenOnlyOnceTheShellHasTheIcon) {
    tray_->SetAnswer(NIM_ADD, FALSE);
    TargetWindow target(L"no icon yet");
    HWND corvel = StartCorvel(target);  // its first add, refused
    ASSERT_NE(corvel, nullptr);
    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    PumpFor(1000);
    EXPECT_TRUE(OnTheTaskbar(target)) << "hidden with no icon to bring it back";
    EXPECT_TRUE(ParkedValues().empty());

    tray_->SetAnswer(NIM_ADD, TRUE);
    EXPECT_TRUE(WaitFor([&] { return target.Parked(); })) << "not parked once the icon is in";
    EXPECT_EQ(ParkedValues().size(), 1u);
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); }));
}

// Explorer restarts and will not take the icon back for a while: the parked
// window comes back minimized, so the taskbar has it, and is parked again
// once the icon is in.
TEST_F(CorvelWithoutIcon, AShellRestartThatRefusesTheIconPutsTheWindowOnTheTaskbar) {
    TargetWindow target(L"shell restarting");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ParkByMinimize(target, corvel);
    ASSERT_EQ(ParkedValues().size(), 1u);

    tray_->SetAnswer(NIM_ADD, FALSE);
    PostMessageW(corvel, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(WaitFor([&] { return OnTheTaskbar(target); })) << "left hidden with no icon";
    EXPECT_TRUE(WaitFor([&] { return ParkedValues().empty(); })) << "not hidden: no record";
    PumpFor(500);
    EXPECT_TRUE(OnTheTaskbar(target)) << "hidden again while the icon is away";

    tray_->SetAnswer(NIM_ADD, TRUE);
    EXPECT_TRUE(WaitFor([&] { return target.Parked(); })) << "not parked again with its icon";
    EXPECT_EQ(ParkedValues().size(), 1u);
    PostMessageW(corvel, kCorvelCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); })) << "the icon no longer brings it back";
}

// The shell never takes the icon: when the companion stops trying (after
// about a minute) it gives the window back and ends.
TEST_F(CorvelWithoutIcon, GivingUpGivesTheWindowBackAndEnds) {
    tray_->SetAnswer(NIM_ADD, FALSE);
    TargetWindow target(L"given up");
    HWND corvel = StartCorvel(target);
    ASSERT_NE(corvel, nullptr);
    ShowWindow(target.Hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(corvel_.WaitExit(180000)) << "it never stopped trying";
    EXPECT_TRUE(WaitFor([&] { return target.Shown(); })) << "not shown and restored";
    EXPECT_TRUE(ParkedValues().empty());
    EXPECT_GT(tray_->EventsOf(corvel, NIM_ADD).size(), 1u) << "it did try again";
}

}  // namespace
}  // namespace e2e
