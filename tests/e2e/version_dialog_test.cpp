// The version dialog of the real program: the fade, its texts, and that
// nothing else reacts while it is shown.
#include "core/version_dialog.h"
#include "dialogs_fixture.h"

namespace e2e {
namespace {

class VersionDialog : public DialogsTest {};

TEST_F(VersionDialog, FadesInShowsTheVersionAndTheCloseBoxOnlyHidesIt) {
    HotkeyTarget target;
    ASSERT_NE(StartVitrane(), nullptr);
    ASSERT_TRUE(Choose(1));
    int lowest = 255;
    ASSERT_TRUE(WaitFor([&] {
        int a = Alpha(main_);
        if (a >= 0 && IsWindowVisible(main_) && a < lowest) lowest = a;
        return a == 200 && IsWindowVisible(main_);
    })) << "reaches alpha 200";
    EXPECT_LT(lowest, 200) << "fades in rather than appearing at once";
    EXPECT_EQ(WindowText(main_), L"バージョン情報");
    EXPECT_EQ(ItemText(main_, core::kVersionLabel), L"ﾊﾞｰｼﾞｮﾝ 1.40.00");
    EXPECT_EQ(ItemText(main_, core::kVersionTitle), L"ウィンドウ透過ツール　(Win2000・XP専用)");
    EXPECT_EQ(ItemText(main_, core::kVersionOK), L"OK");

    SendTrayNotification(main_, 512, WM_RBUTTONUP);
    PumpFor(500);
    EXPECT_EQ(OpenPopupMenu(), nullptr) << "the tray menu does not open while it is shown";
    target.PressOver(VK_F11);
    EXPECT_FALSE(target.Layered()) << "no hotkey acts while it is shown";

    PostMessageW(main_, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main_); }));
    PumpFor(300);
    EXPECT_TRUE(vitrane_.Running());
    EXPECT_TRUE(tray_->EventsOfOp(NIM_DELETE).empty());
    target.PointAt();
    PumpFor(100);
    KeyDown(VK_F11);
    EXPECT_TRUE(WaitFor([&] { return target.Layered(); }, 5000)) << "hotkeys work again";
    KeyUp(VK_F11);
}

TEST_F(VersionDialog, OkHidesItAndTheNextOpeningFadesAgain) {
    ASSERT_NE(StartVitrane(), nullptr);
    ASSERT_TRUE(OpenVersion());
    SendMessageW(GetDlgItem(main_, core::kVersionOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(main_); }));
    ASSERT_TRUE(Choose(1));
    int lowest = 255;
    ASSERT_TRUE(WaitFor([&] {
        int a = Alpha(main_);
        if (a >= 0 && IsWindowVisible(main_) && a < lowest) lowest = a;
        return a == 200 && IsWindowVisible(main_);
    }));
    EXPECT_LT(lowest, 200);
    Tap(VK_RETURN);  // the focused OK
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(main_); }));
    EXPECT_TRUE(vitrane_.Running());
}

}  // namespace
}  // namespace e2e
