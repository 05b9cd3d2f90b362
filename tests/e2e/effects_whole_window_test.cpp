// "ウィンドウ全体に効かせる": over a control inside a window, every hotkey step
// and the fade act on the window around it when TARGET_WHOLE is 1, and on
// the control itself when it is not.
#include "effects_fixture.h"

namespace e2e {
namespace {

constexpr WORD kAlpha = VK_F11, kOnTop = VK_F12, kTaskbar = VK_F8;

class EffectsWholeWindow : public EffectsTest {
  protected:
    // A sibling laid over part of the button, above it, so that a raised
    // button shows in the order of the window's children.
    static HWND CoverPartOf(const EffectsTarget& target) {
        HWND cover = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 200, 150, 80, 40,
                                     target.Hwnd(), nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        PumpFor(100);
        return cover;
    }
    // Holds the middle button at `at`, moves 100 pixels away (opacity 50 %)
    // until `done` holds, and lets go.
    bool Fade(POINT at, const std::function<bool()>& done) {
        MoveCursor(at.x, at.y);
        PumpFor(50);
        MouseButton(MOUSEEVENTF_MIDDLEDOWN);
        PumpFor(100);
        MoveCursor(at.x, at.y + 100);
        bool ok = WaitFor(done, 10000);
        MouseButton(MOUSEEVENTF_MIDDLEUP);
        PumpFor(100);
        return ok;
    }
};

TEST_F(EffectsWholeWindow, OverAButtonTheKeysAndTheFadeActOnTheChosenWindow) {
    for (const wchar_t* stored : {L"0", L"1", L"x"}) {
        const bool whole = std::wstring(stored) == L"1";
        SCOPED_TRACE(Narrow(stored));
        ASSERT_NE(StartWith({{L"TARGET_WHOLE", stored}, {L"USE_SMS_ALPHA", L"1"}}), nullptr);
        EffectsTarget target;
        HWND button = target.Button();
        CoverPartOf(target);
        const POINT at = target.OnButton();
        ASSERT_EQ(WindowFromPoint(at), button);
        HWND acted = whole ? target.Hwnd() : button;
        HWND spared = whole ? button : target.Hwnd();

        EXPECT_TRUE(Hold(at, kAlpha, false, [&] { return LayeredAlpha(acted) == 128; }));
        EXPECT_FALSE(HasExStyle(spared, WS_EX_LAYERED));
        EXPECT_TRUE(Hold(at, kAlpha, true, [&] { return !HasExStyle(acted, WS_EX_LAYERED); }));

        if (whole) {
            EXPECT_TRUE(
                Hold(at, kOnTop, false, [&] { return HasExStyle(target.Hwnd(), WS_EX_TOPMOST); }));
            EXPECT_NE(GetWindow(target.Hwnd(), GW_CHILD), button) << "the button stays below";
        } else {
            EXPECT_TRUE(Hold(at, kOnTop, false,
                             [&] { return GetWindow(target.Hwnd(), GW_CHILD) == button; }));
            EXPECT_FALSE(HasExStyle(target.Hwnd(), WS_EX_TOPMOST));
        }

        EXPECT_TRUE(Fade(at, [&] { return LayeredAlpha(acted) == 128; }))
            << "alpha " << LayeredAlpha(acted).value_or(-1);
        EXPECT_FALSE(HasExStyle(spared, WS_EX_LAYERED));
        vitrane_.Kill();
    }
}

// The taskbar step, which leaves a control alone, reaches the window around it.
TEST_F(EffectsWholeWindow, TheTaskbarKeyOverAButtonGivesTheWindowItsButton) {
    ASSERT_NE(StartWith({{L"TARGET_WHOLE", L"1"}, {L"USE_SHOWTASK", std::to_wstring(kTaskbar)}}),
              nullptr);
    EffectsTarget target(WS_EX_TOOLWINDOW);
    const LONG buttonEx = ExStyle(target.Button());
    EXPECT_TRUE(Hold(target.OnButton(), kTaskbar, false, [&] {
        return HasExStyle(target.Hwnd(), WS_EX_APPWINDOW) &&
               !HasExStyle(target.Hwnd(), WS_EX_TOOLWINDOW) && IsWindowVisible(target.Hwnd());
    }));
    EXPECT_EQ(ExStyle(target.Button()), buttonEx);
}

}  // namespace
}  // namespace e2e
