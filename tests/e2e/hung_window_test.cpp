// A window whose program stopped answering must not stop Vitrane with it.
#include "effects_fixture.h"

#include <thread>

namespace e2e {
namespace {

constexpr WORD kAlpha = VK_F11, kOnTop = VK_F12, kTaskbar = VK_F8;

// A top-level window beside the effects target, owned by a thread of its
// own that reads its messages until Hang(), and from then on none, as a hung
// program does.
class HungWindow {
  public:
    // `active`: shown in front with the focus, as the window a user works in.
    explicit HungWindow(bool active = false) : active_(active) {
        ready_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        hang_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        release_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this] { Run(); });
        WaitForSingleObject(ready_, 10000);
    }
    ~HungWindow() {
        SetEvent(hang_);
        SetEvent(release_);
        thread_.join();
        CloseHandle(ready_);
        CloseHandle(hang_);
        CloseHandle(release_);
    }
    HungWindow(const HungWindow&) = delete;
    HungWindow& operator=(const HungWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    POINT Inside() const { return EffectsTarget::ScreenPoint(hwnd_, 80, 80); }
    void Hang() {
        ResetEvent(ready_);
        SetEvent(hang_);
        WaitForSingleObject(ready_, 10000);
    }

  private:
    void Run() {
        RegisterTestClass(L"HungE2eTarget");
        // Right of the effects target, so the two never overlap.
        hwnd_ = CreateWindowExW(0, L"HungE2eTarget", L"hung target", WS_OVERLAPPEDWINDOW, 700, 150,
                                320, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(hwnd_, active_ ? SW_SHOWNORMAL : SW_SHOWNA);
        if (active_) SetForegroundWindow(hwnd_);
        PumpFor(200);
        SetEvent(ready_);
        while (MsgWaitForMultipleObjects(1, &hang_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
            Drain();
        SetEvent(ready_);
        // Hung: no message is read until the test lets go.
        WaitForSingleObject(release_, INFINITE);
        DestroyWindow(hwnd_);
        Drain();
    }
    static void Drain() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }

    bool active_ = false;
    HANDLE ready_ = nullptr;
    HANDLE hang_ = nullptr;
    HANDLE release_ = nullptr;
    HWND hwnd_ = nullptr;
    std::thread thread_;
};

class HungTarget : public EffectsTest {};

TEST_F(HungTarget, HotkeysOverItLeaveTheMenuAndOtherWindowsWorking) {
    ASSERT_NE(StartWith({{L"USE_SHOWTASK", std::to_wstring(kTaskbar)}}), nullptr);
    HungWindow hung;
    ASSERT_NE(hung.Hwnd(), nullptr);
    hung.Hang();
    EffectsTarget target;  // created last: it holds the focus
    const LONG hungStyle = ExStyle(hung.Hwnd());

    for (WORD vk : {kAlpha, kOnTop, kTaskbar}) {
        HoldFor(hung.Inside(), vk, false, 300);
        HoldFor(hung.Inside(), vk, true, 300);
    }

    ASSERT_TRUE(OpenTrayMenu()) << "the tray menu opens";
    Tap(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
    EXPECT_TRUE(Hold(target.Free(), kAlpha, false, [&] {
        return LayeredAlpha(target.Hwnd()) == 128;
    })) << "the transparency key still works on another window";
    EXPECT_TRUE(Hold(target.Free(), kOnTop, false,
                     [&] { return HasExStyle(target.Hwnd(), WS_EX_TOPMOST); }));
    EXPECT_EQ(ExStyle(hung.Hwnd()), hungStyle) << "nothing reached the hung window";
}

// The gesture starts while the window still answers (the button goes down
// over it, and Wine only sees that through a thread that reads its
// messages); the window hangs while the button is held.
TEST_F(HungTarget, FadingItLeavesTheMenuWorking) {
    ASSERT_NE(StartWith({{L"USE_SMS_ALPHA", L"1"}}), nullptr);
    // Active from the start, so the press activates nothing: gaining the
    // focus makes Wine re-read the input and can let go of a held button.
    HungWindow hung(true);
    ASSERT_NE(hung.Hwnd(), nullptr);
    const POINT start = hung.Inside();
    MoveCursor(start.x, start.y);
    PumpFor(50);
    MouseButton(MOUSEEVENTF_MIDDLEDOWN);
    ASSERT_TRUE(WaitFor([&] {
        for (HWND w : WindowsOf(vitrane_.Pid()))
            if (w != main_ && IsWindowVisible(w)) return true;
        return false;
    })) << "the indicator shows: the gesture began here";
    MoveCursor(start.x + 20, start.y);  // 90%
    EXPECT_TRUE(WaitFor([&] { return LayeredAlpha(hung.Hwnd()) == 230; }, 5000))
        << "the gesture fades the window while it answers";

    hung.Hang();
    // Far off, over the bare desktop, which takes the button's release.
    MoveCursor(start.x + 350, start.y + 350);  // 10%
    PumpFor(300);
    MouseButton(MOUSEEVENTF_MIDDLEUP);
    PumpFor(100);

    ASSERT_TRUE(OpenTrayMenu()) << "the tray menu opens";
    Tap(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
    // The alpha of a window already layered is set without waiting for its
    // program, so the gesture went on to its end while the window hung.
    EXPECT_TRUE(WaitFor([&] { return LayeredAlpha(hung.Hwnd()) == 26; }, 5000))
        << "the gesture was followed to its end";
}

// Restoring all from the tray menu waits for no one: a window whose program
// hangs keeps its record for a later try, and every other window is restored.
TEST_F(HungTarget, RestoringAllPassesItBy) {
    ASSERT_NE(StartVitrane(), nullptr);
    HungWindow hung;
    ASSERT_NE(hung.Hwnd(), nullptr);
    EffectsTarget target;  // created last: it holds the focus
    ASSERT_TRUE(
        Hold(hung.Inside(), kAlpha, false, [&] { return LayeredAlpha(hung.Hwnd()) == 128; }));
    ASSERT_TRUE(
        Hold(hung.Inside(), kOnTop, false, [&] { return HasExStyle(hung.Hwnd(), WS_EX_TOPMOST); }));
    ASSERT_TRUE(
        Hold(target.Free(), kAlpha, false, [&] { return LayeredAlpha(target.Hwnd()) == 128; }));
    hung.Hang();

    ASSERT_TRUE(OpenTrayMenu());
    Tap(VK_DOWN);
    Tap(VK_DOWN);  // すべて元に戻す
    Tap(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return !HasExStyle(target.Hwnd(), WS_EX_LAYERED); }))
        << "the window that answers is restored";
    EXPECT_TRUE(WaitFor([&] { return ChangedValues().size() == 1; }));
    EXPECT_EQ(ChangedValues().count(
                  std::to_wstring(static_cast<int32_t>(reinterpret_cast<intptr_t>(hung.Hwnd())))),
              1u)
        << "the hung window's record stays for a later try";
    ASSERT_TRUE(OpenTrayMenu()) << "the tray menu opens";
    Tap(VK_ESCAPE);
    EXPECT_TRUE(WaitFor([] { return OpenPopupMenu() == nullptr; }, 5000));
}

}  // namespace
}  // namespace e2e
