// The four hotkeys on windows the driver owns.
#include "effects_fixture.h"

namespace e2e {
namespace {

constexpr WORD kAlpha = VK_F11, kOnTop = VK_F12, kTaskbar = VK_F8, kTray = VK_F9;

class EffectsHotkeys : public EffectsTest {};

TEST_F(EffectsHotkeys, TransparencyKeyUsesTheStoredRate) {
    for (auto [rate, alpha] : {std::pair{L"0", 26}, {L"4", 128}, {L"8", 230}}) {
        ASSERT_NE(StartWith({{L"ALPHA", rate}}), nullptr);
        EffectsTarget target;
        EXPECT_TRUE(Hold(target.Free(), kAlpha, false,
                         [&] { return LayeredAlpha(target.Hwnd()) == alpha; }))
            << "rate " << rate << " gave " << LayeredAlpha(target.Hwnd()).value_or(-1);
        vitrane_.Kill();
    }
}

TEST_F(EffectsHotkeys, ShiftClearsOnlyTheLayeredBit) {
    ASSERT_NE(StartVitrane(), nullptr);
    EffectsTarget target(WS_EX_CLIENTEDGE | WS_EX_CONTEXTHELP);
    const LONG before = ExStyle(target.Hwnd());

    HoldFor(target.Free(), VK_SHIFT, false, 300);
    EXPECT_EQ(ExStyle(target.Hwnd()), before) << "Shift alone does nothing";
    HoldFor(target.Free(), kAlpha, true, 300);
    EXPECT_EQ(ExStyle(target.Hwnd()), before) << "on an opaque window the undo changes nothing";

    ASSERT_TRUE(
        Hold(target.Free(), kAlpha, false, [&] { return LayeredAlpha(target.Hwnd()) == 128; }));
    EXPECT_TRUE(Hold(target.Free(), kAlpha, true,
                     [&] { return !HasExStyle(target.Hwnd(), WS_EX_LAYERED); }));
    EXPECT_EQ(ExStyle(target.Hwnd()), before) << "the other bits stay";
}

TEST_F(EffectsHotkeys, TopmostKeySetsAndShiftClears) {
    ASSERT_NE(StartVitrane(), nullptr);
    EffectsTarget target;
    ASSERT_FALSE(HasExStyle(target.Hwnd(), WS_EX_TOPMOST));
    EXPECT_TRUE(Hold(target.Free(), kOnTop, false,
                     [&] { return HasExStyle(target.Hwnd(), WS_EX_TOPMOST); }));
    EXPECT_TRUE(Hold(target.Free(), kOnTop, true,
                     [&] { return !HasExStyle(target.Hwnd(), WS_EX_TOPMOST); }));
    EXPECT_TRUE(IsWindowVisible(target.Hwnd()));
}

TEST_F(EffectsHotkeys, TaskbarKeyGivesAndShiftTakesTheButton) {
    ASSERT_NE(StartWith({{L"USE_SHOWTASK", std::to_wstring(kTaskbar)}}), nullptr);
    EffectsTarget target(WS_EX_TOOLWINDOW);
    auto gave = [&] {
        return HasExStyle(target.Hwnd(), WS_EX_APPWINDOW) &&
               !HasExStyle(target.Hwnd(), WS_EX_TOOLWINDOW) && IsWindowVisible(target.Hwnd());
    };
    auto took = [&] {
        return HasExStyle(target.Hwnd(), WS_EX_TOOLWINDOW) &&
               !HasExStyle(target.Hwnd(), WS_EX_APPWINDOW) && IsWindowVisible(target.Hwnd());
    };
    EXPECT_TRUE(Hold(target.Free(), kTaskbar, false, [&] { return target.Hides() > 0 && gave(); }));
    EXPECT_TRUE(gave());
    int hides = target.Hides();
    // Already there: hidden and shown all the same.
    EXPECT_TRUE(Hold(target.Free(), kTaskbar, false, [&] { return target.Hides() > hides; }));
    EXPECT_TRUE(gave());
    // Seen while the keys are held: showing the window gives it the focus,
    // and Wine then lets go of the held keys one by one, so the moment of
    // release may run either form once more.
    EXPECT_TRUE(Hold(target.Free(), kTaskbar, true, took));
}

// A control is a target of its own: the transparency and topmost steps act
// on it (not on its window), the taskbar and tray steps leave it alone.
TEST_F(EffectsHotkeys, OverAChildControl) {
    ASSERT_NE(StartWith({{L"USE_SHOWTASK", std::to_wstring(kTaskbar)},
                         {L"USE_CORVEL", std::to_wstring(kTray)}}),
              nullptr);
    EffectsTarget target;
    HWND button = target.Button();
    // A sibling laid over part of the button, above it; the cursor goes to
    // the button's uncovered part.
    HWND cover = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 200, 150, 80, 40,
                                 target.Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    PumpFor(100);
    ASSERT_NE(GetWindow(target.Hwnd(), GW_CHILD), button);
    POINT at = target.OnButton();
    ASSERT_EQ(WindowFromPoint(at), button);
    const LONG parentEx = ExStyle(target.Hwnd());
    const LONG buttonEx = ExStyle(button);

    HoldFor(at, kTaskbar, false, 400);
    HoldFor(at, kTray, false, 400);
    EXPECT_EQ(ExStyle(button), buttonEx);
    EXPECT_EQ(ExStyle(target.Hwnd()), parentEx);
    EXPECT_EQ(target.Hides(), 0);
    EXPECT_TRUE(IsWindowVisible(button));
    EXPECT_EQ(ChildProcesses(vitrane_.Pid(), L"Corvel.exe"), 0) << "no companion for a control";

    EXPECT_TRUE(Hold(at, kAlpha, false, [&] { return HasExStyle(button, WS_EX_LAYERED); }));
    EXPECT_TRUE(Hold(at, kOnTop, false, [&] {
        return GetWindow(target.Hwnd(), GW_CHILD) == button;
    })) << "the button is raised above its sibling";
    EXPECT_EQ(ExStyle(target.Hwnd()), parentEx) << "the window around it is untouched";
}

TEST_F(EffectsHotkeys, ZeroCodeDoesNothingAndAnyCodeIsPolled) {
    // The transparency key off, and F11 given to the topmost step instead;
    // the taskbar key is one the options never offer.
    ASSERT_NE(StartWith({{L"USE_ALPHA", L"0"},
                         {L"USE_ONTOP", std::to_wstring(kAlpha)},
                         {L"USE_SHOWTASK", std::to_wstring('Q')}}),
              nullptr);
    EffectsTarget target(WS_EX_TOOLWINDOW);
    EXPECT_TRUE(Hold(target.Free(), kAlpha, false,
                     [&] { return HasExStyle(target.Hwnd(), WS_EX_TOPMOST); }));
    EXPECT_FALSE(HasExStyle(target.Hwnd(), WS_EX_LAYERED)) << "a stored 0 is no key at all";
    EXPECT_TRUE(Hold(target.Free(), 'Q', false,
                     [&] { return HasExStyle(target.Hwnd(), WS_EX_APPWINDOW); }));
}

}  // namespace
}  // namespace e2e
