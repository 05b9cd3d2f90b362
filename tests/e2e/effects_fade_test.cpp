// The middle-button fade and its indicator.
#include "effects_fixture.h"

namespace e2e {
namespace {

constexpr const wchar_t* kIndicatorClass = L"Vitrane.FadeIndicator";

class EffectsFade : public EffectsTest {
  protected:
    HWND Indicator() const { return FindWindowOf(vitrane_.Pid(), kIndicatorClass); }
    std::wstring IndicatorText() const {
        HWND indicator = Indicator();
        HWND label = indicator ? FindWindowExW(indicator, nullptr, L"Static", nullptr) : nullptr;
        return label ? WindowText(label) : L"";
    }
    bool Shows(const std::wstring& text) {
        return WaitFor([&] { return IndicatorText() == text; }, 5000);
    }
};

TEST_F(EffectsFade, DistanceSetsAlphaAndTheIndicatorShowsIt) {
    ASSERT_NE(StartWith({{L"USE_SMS_ALPHA", L"1"}}), nullptr);
    EffectsTarget target;
    HWND t = target.Hwnd();
    const POINT start = target.Free();
    MoveCursor(start.x, start.y);
    PumpFor(50);
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);

    ASSERT_TRUE(Shows(L"100%")) << "indicator: " << Narrow(IndicatorText());
    HWND indicator = Indicator();
    RECT r{};
    GetWindowRect(indicator, &r);
    EXPECT_EQ(r.left, start.x - 20);
    EXPECT_EQ(r.top, start.y - 10);
    EXPECT_TRUE(IsWindowVisible(indicator));
    EXPECT_TRUE(HasExStyle(indicator, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(indicator, &key, &alpha, &flags));
    EXPECT_EQ(flags & LWA_COLORKEY, static_cast<DWORD>(LWA_COLORKEY));
    EXPECT_EQ(key, RGB(255, 255, 255));
    EXPECT_FALSE(HasExStyle(t, WS_EX_LAYERED));

    // Direction does not count, only the distance.
    struct Step {
        int dx, dy;
        const wchar_t* text;
        int alpha;
    };
    for (Step s : {Step{20, 0, L"090%", 230}, Step{-60, -80, L"050%", 128},
                   Step{0, 200, L"010%", 26}, Step{-150, 150, L"010%", 26}}) {
        MoveCursor(start.x + s.dx, start.y + s.dy);
        EXPECT_TRUE(Shows(s.text)) << s.dx << "," << s.dy << ": " << Narrow(IndicatorText());
        EXPECT_TRUE(WaitFor([&] { return LayeredAlpha(t) == s.alpha; }, 5000))
            << s.dx << "," << s.dy << ": alpha " << LayeredAlpha(t).value_or(-1);
    }
    // Back within a pixel of the start: opaque again, the layered bit gone.
    MoveCursor(start.x + 1, start.y);
    EXPECT_TRUE(Shows(L"100%"));
    EXPECT_TRUE(WaitFor([&] { return !HasExStyle(t, WS_EX_LAYERED); }, 5000));
    MoveCursor(start.x, start.y + 100);
    EXPECT_TRUE(WaitFor([&] { return LayeredAlpha(t) == 128; }, 5000));

    MouseButton(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(WaitFor([&] { return Indicator() == nullptr; }, 5000)) << "gone at the release";
    PumpFor(200);
    EXPECT_EQ(LayeredAlpha(t), 128) << "the window keeps its last opacity";

    // A second gesture, press and release without moving: a new indicator,
    // and the window opaque and not layered again.
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    EXPECT_TRUE(Shows(L"100%"));
    EXPECT_TRUE(WaitFor([&] { return !HasExStyle(t, WS_EX_LAYERED); }, 5000));
    MouseButton(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(WaitFor([&] { return Indicator() == nullptr; }, 5000));
}

// The indicator shows under the cursor while the button is held, and lets
// the mouse through: the release goes to the window, as the press did, so a
// middle click that acts on the release (closing a tab) still works.
TEST_F(EffectsFade, TheReleaseReachesTheWindowUnderTheIndicator) {
    ASSERT_NE(StartWith({{L"USE_SMS_ALPHA", L"1"}}), nullptr);
    EffectsTarget target;
    const POINT start = target.Free();
    for (int click = 1; click <= 2; ++click) {
        MoveCursor(start.x, start.y);
        PumpFor(50);
        MouseButton(MOUSEEVENTF_MIDDLEDOWN);
        ASSERT_TRUE(Shows(L"100%")) << "the indicator is under the cursor, click " << click;
        HWND indicator = Indicator();
        EXPECT_TRUE(HasExStyle(indicator, WS_EX_LAYERED | WS_EX_TRANSPARENT));
        EXPECT_EQ(WindowFromPoint(start), target.Hwnd()) << "seen through by the hit test";
        MouseButton(MOUSEEVENTF_MIDDLEUP);
        EXPECT_TRUE(WaitFor([&] { return target.MiddleReleases() == click; }, 5000))
            << "releases the window saw: " << target.MiddleReleases();
        EXPECT_TRUE(WaitFor([&] { return Indicator() == nullptr; }, 5000));
    }
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(EffectsFade, SwitchedOffTheButtonDoesNothing) {
    ASSERT_NE(StartWith({{L"USE_SMS_ALPHA", L"0"}}), nullptr);
    EffectsTarget target;
    const POINT start = target.Free();
    MoveCursor(start.x, start.y);
    PumpFor(50);
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    PumpFor(200);
    MoveCursor(start.x + 100, start.y);
    PumpFor(300);
    EXPECT_EQ(Indicator(), nullptr);
    EXPECT_FALSE(HasExStyle(target.Hwnd(), WS_EX_LAYERED));
    MouseButton(MOUSEEVENTF_MIDDLEUP);
}

}  // namespace
}  // namespace e2e
