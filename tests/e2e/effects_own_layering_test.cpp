// Windows whose program does its own layering keep it: one that draws itself
// with per-pixel alpha is left alone, one with its own colour key keeps the
// key and gets exactly its own layering back.
#include "effects_fixture.h"

namespace e2e {
namespace {

constexpr WORD kAlpha = VK_F11;
constexpr const wchar_t* kSelfDrawnNotice = L"このウィンドウは透過できません";

// A window that draws itself with UpdateLayeredWindow, as translucent
// windows of many frameworks and desktop widgets do.
class SelfDrawnWindow {
  public:
    SelfDrawnWindow() {
        RegisterTestClass(L"SelfDrawnE2eTarget");
        hwnd_ =
            CreateWindowExW(WS_EX_LAYERED, L"SelfDrawnE2eTarget", L"self-drawn", WS_POPUP, 250, 200,
                            kSize, kSize, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        ReleaseDC(nullptr, screen);
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = kSize;
        bi.bmiHeader.biHeight = -kSize;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        // Three quarters opaque, premultiplied blue.
        auto* px = static_cast<uint32_t*>(bits);
        for (int i = 0; i < kSize * kSize; ++i) px[i] = 0xC00000C0;
        ShowWindow(hwnd_, SW_SHOWNA);
        Update();
        PumpFor(200);
    }
    ~SelfDrawnWindow() {
        DestroyWindow(hwnd_);
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    SelfDrawnWindow(const SelfDrawnWindow&) = delete;
    SelfDrawnWindow& operator=(const SelfDrawnWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    POINT Inside() const { return POINT{250 + kSize / 2, 200 + kSize / 2}; }
    // What its program does whenever it draws: fails once anyone else has
    // set layered attributes on it, or took the layered bit away.
    bool Update() {
        POINT src{0, 0};
        SIZE size{kSize, kSize};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        return UpdateLayeredWindow(hwnd_, nullptr, nullptr, &size, dc_, &src, 0, &blend,
                                   ULW_ALPHA) != FALSE;
    }
    bool AttributesReadable() const {
        COLORREF key = 0;
        BYTE alpha = 0;
        DWORD flags = 0;
        return GetLayeredWindowAttributes(hwnd_, &key, &alpha, &flags) != FALSE;
    }

  private:
    static constexpr int kSize = 200;
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

class EffectsOwnLayering : public EffectsTest {};

TEST_F(EffectsOwnLayering, AWindowThatDrawsItselfIsLeftAlone) {
    ASSERT_NE(StartWith({{L"USE_SMS_ALPHA", L"1"}}), nullptr);
    SelfDrawnWindow window;
    ASSERT_TRUE(window.Update()) << "it draws itself";
    ASSERT_FALSE(window.AttributesReadable()) << "as Windows does: no attributes to read";
    const POINT at = window.Inside();
    ASSERT_EQ(WindowFromPoint(at), window.Hwnd());

    // A middle click, and a fade away from the start: no percentage shows.
    MoveCursor(at.x, at.y);
    PumpFor(50);
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    EXPECT_TRUE(WaitFor([&] { return NoticeShows(kSelfDrawnNotice); }))
        << "the user is told why nothing happens";
    MoveCursor(at.x + 60, at.y);
    PumpFor(300);
    EXPECT_EQ(FindWindowOf(vitrane_.Pid(), L"Vitrane.FadeIndicator"), nullptr);
    MouseButton(MOUSEEVENTF_MIDDLEUP);
    EXPECT_TRUE(window.Update()) << "after the middle click";
    EXPECT_TRUE(NoticeGone());

    for (bool shift : {false, true}) {
        EXPECT_TRUE(Hold(at, kAlpha, shift, [&] { return NoticeShows(kSelfDrawnNotice); }))
            << "shift " << shift;
        EXPECT_TRUE(window.Update()) << "after F11, shift " << shift;
        EXPECT_TRUE(HasExStyle(window.Hwnd(), WS_EX_LAYERED));
        EXPECT_FALSE(window.AttributesReadable());
        EXPECT_TRUE(NoticeGone());
    }
}

TEST_F(EffectsOwnLayering, AColourKeyedWindowKeepsItsKey) {
    ASSERT_NE(StartWith({{L"USE_SMS_ALPHA", L"1"}}), nullptr);
    EffectsTarget target(WS_EX_LAYERED, L"colour keyed");
    const COLORREF key = RGB(255, 0, 255);
    ASSERT_TRUE(SetLayeredWindowAttributes(target.Hwnd(), key, 0, LWA_COLORKEY));
    const auto own = AttributesOf(target.Hwnd());
    ASSERT_TRUE(own);
    const Attributes translucent{key, 128, LWA_COLORKEY | LWA_ALPHA};

    EXPECT_TRUE(Hold(target.Free(), kAlpha, false, [&] {
        return AttributesOf(target.Hwnd()) == translucent;
    })) << "translucent with its key";
    EXPECT_TRUE(Hold(target.Free(), kAlpha, true, [&] {
        return AttributesOf(target.Hwnd()) == own;
    })) << "Shift gives back exactly its own layering";
    HoldFor(target.Free(), kAlpha, true, 300);
    EXPECT_EQ(AttributesOf(target.Hwnd()), own) << "and leaves it so";

    // The fade, away and back to 100 %: its own layering again.
    const POINT start = target.Free();
    MoveCursor(start.x, start.y);
    PumpFor(50);
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    ASSERT_TRUE(WaitFor(
        [&] { return FindWindowOf(vitrane_.Pid(), L"Vitrane.FadeIndicator") != nullptr; }, 5000));
    MoveCursor(start.x, start.y + 100);
    EXPECT_TRUE(WaitFor([&] { return AttributesOf(target.Hwnd()) == translucent; }, 5000));
    MoveCursor(start.x, start.y);
    EXPECT_TRUE(WaitFor([&] { return AttributesOf(target.Hwnd()) == own; }, 5000));
    MouseButton(MOUSEEVENTF_MIDDLEUP);
    PumpFor(200);
    EXPECT_EQ(AttributesOf(target.Hwnd()), own);
}

}  // namespace
}  // namespace e2e
