// The fade indicator built in this process: its window, and what switching the
// gesture off while one runs does to it.
#include "common/dpi.h"
#include "effects/indicator_geometry.h"
#include "main_window_fixture.h"

namespace forms {
namespace {

class EffectsIndicator : public MainWindowOverTarget {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ShowTarget(L"STATIC", SS_WHITERECT);
    }
    static HWND Indicator() { return FindWindowW(L"Vitrane.FadeIndicator", nullptr); }

    // Middle button down at (x, y) until the indicator shows.
    HWND Press(int x, int y) {
        e2e::MoveCursor(x, y);
        e2e::PumpFor(50);
        e2e::MouseButton(MOUSEEVENTF_MIDDLEDOWN);
        e2e::WaitFor([] { return Indicator() != nullptr; }, 5000);
        return Indicator();
    }
};

TEST_F(EffectsIndicator, OvalFormAtTheStartPoint) {
    store_.Write(settings::Key::UseSmoothAlpha, L"1");
    auto& window = Load();
    HWND indicator = Press(400, 350);
    ASSERT_NE(indicator, nullptr);
    EXPECT_EQ(window.Fade().State(), effects::FadeGesture::Running);

    // Sized for the monitor under the cursor.
    int dpi = common::MonitorDpiAt(POINT{400, 350});
    auto g = effects::IndicatorGeometryAt(dpi);
    RECT r{};
    GetWindowRect(indicator, &r);
    EXPECT_EQ(r.left, 400 - g.CursorX);
    EXPECT_EQ(r.top, 350 - g.CursorY);
    EXPECT_EQ(r.right - r.left, MulDiv(50, dpi, 96));
    EXPECT_EQ(r.bottom - r.top, MulDiv(21, dpi, 96));
    EXPECT_EQ(GetWindowLongW(indicator, GWL_STYLE) & (WS_POPUP | WS_CAPTION | WS_BORDER),
              static_cast<LONG>(WS_POPUP));
    EXPECT_NE(GetForegroundWindow(), indicator) << "the indicator never takes the focus";

    HWND label = FindWindowExW(indicator, nullptr, L"Static", nullptr);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(e2e::WindowText(label), L"100%");
    auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    LOGFONTW lf{};
    GetObjectW(font, sizeof(lf), &lf);
    EXPECT_EQ(lf.lfHeight, -MulDiv(9, dpi, 72));
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);
    // Whatever face stands in for it, it is a Japanese one.
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, font);
    EXPECT_EQ(GetTextCharset(dc), SHIFTJIS_CHARSET);
    SelectObject(dc, old);
    ReleaseDC(label, dc);

    e2e::MoveCursor(400, 350 + 54);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(label) == L"073%"; }, 5000));
    e2e::MouseButton(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(e2e::WaitFor([] { return Indicator() == nullptr; }, 5000));
    EXPECT_EQ(window.Fade().State(), effects::FadeGesture::Armed);
}

TEST_F(EffectsIndicator, SizedForTheDpiItIsShownAt) {
    // Wine gives every monitor one DPI: the indicator is made here at the
    // DPIs a monitor may have.
    for (int dpi : {96, 144, 192}) {
        effects::FadeIndicator indicator;
        ASSERT_TRUE(indicator.Show(POINT{400, 350}, dpi));
        auto g = effects::IndicatorGeometryAt(dpi);
        RECT r{};
        GetWindowRect(indicator.hwnd(), &r);
        EXPECT_EQ(r.left, 400 - g.CursorX) << dpi;
        EXPECT_EQ(r.top, 350 - g.CursorY) << dpi;
        EXPECT_EQ(r.right - r.left, g.Width) << dpi;
        EXPECT_EQ(r.bottom - r.top, g.Height) << dpi;
        HWND label = FindWindowExW(indicator.hwnd(), nullptr, L"Static", nullptr);
        ASSERT_NE(label, nullptr);
        RECT l{};
        GetWindowRect(label, &l);
        EXPECT_EQ(l.left - r.left, g.LabelLeft) << dpi;
        EXPECT_EQ(l.top - r.top, g.LabelTop) << dpi;
        LOGFONTW lf{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
        EXPECT_EQ(lf.lfHeight, -MulDiv(9, dpi, 72)) << dpi;
    }
    EXPECT_EQ(Indicator(), nullptr);
}

TEST_F(EffectsIndicator, SwitchingTheGestureOffRemovesTheIndicator) {
    store_.Write(settings::Key::UseSmoothAlpha, L"1");
    auto& window = Load();
    ASSERT_NE(Press(400, 350), nullptr);
    window.Fade().Enable(false);
    EXPECT_EQ(Indicator(), nullptr);
    EXPECT_EQ(window.Fade().State(), effects::FadeGesture::Off);
    e2e::MoveCursor(400, 450);
    e2e::PumpFor(200);
    EXPECT_EQ(Indicator(), nullptr) << "the button still held starts nothing";
    e2e::MouseButton(MOUSEEVENTF_MIDDLEUP);
    e2e::PumpFor(100);

    window.Fade().Enable(true);
    EXPECT_NE(Press(400, 350), nullptr) << "armed again, the next press starts a gesture";
}

}  // namespace
}  // namespace forms
