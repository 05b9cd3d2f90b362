// A window of a program with more rights, where the system refuses the style,
// layering and z-order calls (Wine does not enforce integrity levels, so the
// calls stand in for such a system): the user is told once per press, the
// fade shows no percentage, and polling goes on.
#include "main_window_fixture.h"

namespace forms {
namespace {

constexpr const wchar_t* kRefused = L"管理者権限のウィンドウには効きません";

LONG WINAPI RefusedSetLong(HWND, int, LONG) {
    SetLastError(ERROR_ACCESS_DENIED);
    return 0;
}
BOOL WINAPI RefusedSetLayered(HWND, COLORREF, BYTE, DWORD) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}
BOOL WINAPI RefusedSetPos(HWND, HWND, int, int, int, int, UINT) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}

class EffectsRefused : public MainWindowOverTarget {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        e2e::ClearChanged();
        // Not a static control: those let the hit test through to the desktop.
        e2e::RegisterTestClass(L"RefusedFormsTarget");
        ShowTarget(L"RefusedFormsTarget", 0);
    }
    void TearDown() override {
        MainWindowOverTarget::TearDown();
        e2e::ClearChanged();
    }
    static HWND Notice() { return FindWindowW(L"Vitrane.Notice", nullptr); }
    static bool NoticeShows(const wchar_t* text) {
        HWND n = Notice();
        return n && IsWindowVisible(n) && e2e::WindowText(n) == text;
    }
    static HWND Indicator() { return FindWindowW(L"Vitrane.FadeIndicator", nullptr); }
};

TEST_F(EffectsRefused, EachKeyIsToldOncePerPress) {
    auto& window = Load();
    window.Changer().SetCalls({&RefusedSetLong, &RefusedSetLayered, &RefusedSetPos});
    const LONG before = GetWindowLongW(target_, GWL_EXSTYLE);
    e2e::MoveCursor(400, 350);
    e2e::PumpFor(50);
    for (WORD vk : {VK_F11, VK_F12}) {
        SCOPED_TRACE(vk);
        e2e::KeyDown(vk);
        EXPECT_TRUE(e2e::WaitFor([] { return NoticeShows(kRefused); }));
        EXPECT_NE(GetForegroundWindow(), Notice());
        // Held on, the key fails on every tick; the notice goes after its
        // time all the same, and comes only with the next press.
        EXPECT_TRUE(e2e::WaitFor([] { return Notice() == nullptr; }));
        e2e::PumpFor(200);
        EXPECT_EQ(Notice(), nullptr);
        e2e::KeyUp(vk);
        e2e::PumpFor(100);
        EXPECT_EQ(GetWindowLongW(target_, GWL_EXSTYLE), before);
    }
    EXPECT_TRUE(window.Polling());
}

TEST_F(EffectsRefused, TheFadeShowsNoPercentageOnIt) {
    store_.Write(settings::Key::UseSmoothAlpha, L"1");
    auto& window = Load();
    window.Changer().SetCalls({&RefusedSetLong, &RefusedSetLayered, &RefusedSetPos});
    e2e::MoveCursor(400, 350);
    e2e::PumpFor(50);
    e2e::MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    // At the start nothing is to be changed yet: 100 % is what it shows.
    ASSERT_TRUE(e2e::WaitFor([] { return Indicator() != nullptr; }, 5000));
    e2e::MoveCursor(400, 450);
    EXPECT_TRUE(e2e::WaitFor([] { return NoticeShows(kRefused) && Indicator() == nullptr; }))
        << "the percentage goes as the first change is refused";
    e2e::MoveCursor(400, 380);
    e2e::PumpFor(300);
    EXPECT_EQ(Indicator(), nullptr) << "nothing more this gesture";
    e2e::MouseButton(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(e2e::WaitFor([] { return Notice() == nullptr; }));

    // A window whose layered bit may be set but whose attributes are
    // refused is told the same, and is not left layered without any: such
    // a window is not drawn at all.
    window.Changer().SetCalls({&SetWindowLongW, &RefusedSetLayered, &SetWindowPos});
    e2e::MoveCursor(400, 350);
    e2e::PumpFor(50);
    e2e::MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    ASSERT_TRUE(e2e::WaitFor([] { return Indicator() != nullptr; }, 5000));
    e2e::MoveCursor(400, 450);
    EXPECT_TRUE(e2e::WaitFor([] { return NoticeShows(kRefused) && Indicator() == nullptr; }));
    EXPECT_FALSE(GetWindowLongW(target_, GWL_EXSTYLE) & WS_EX_LAYERED);
    e2e::MouseButton(MOUSEEVENTF_MIDDLEUP);
}

}  // namespace
}  // namespace forms
