// Vitrane's two dialogs opened the way a user does: a right click on the tray
// icon, then the menu item chosen with the keyboard.
#pragma once

#include <string>

#include "vitrane_fixture.h"

namespace e2e {

inline constexpr const wchar_t* kOptionsClass = L"Vitrane.OptionsDialog";

// A plain window of the driver's own, away from the centred dialogs, for a
// hotkey to act on. Its thread is the test's: wait with WaitFor / PumpFor.
class HotkeyTarget {
  public:
    explicit HotkeyTarget(int top = 20) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"DialogsTestTarget";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"target", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                20, top, 220, 160, nullptr, nullptr, wc.hInstance, nullptr);
        PumpFor(200);
    }
    ~HotkeyTarget() { DestroyWindow(hwnd_); }
    HotkeyTarget(const HotkeyTarget&) = delete;
    HotkeyTarget& operator=(const HotkeyTarget&) = delete;

    HWND Hwnd() const { return hwnd_; }
    bool Layered() const { return (GetWindowLongW(hwnd_, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
    void PointAt() const {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        MoveCursor((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // Holds `vk` over the window for a while, pumping, then lets go.
    void PressOver(WORD vk, DWORD holdMs = 400) const {
        PointAt();
        PumpFor(100);
        KeyDown(vk);
        PumpFor(holdMs);
        KeyUp(vk);
        PumpFor(100);
    }

  private:
    HWND hwnd_ = nullptr;
};

class DialogsTest : public VitraneTest {
  protected:
    // Opens the tray menu and picks the item `upsFromEnd` above 終了.
    bool Choose(int upsFromEnd) {
        if (!OpenTrayMenu()) return false;
        PumpFor(150);
        Tap(VK_END);
        for (int i = 0; i < upsFromEnd; ++i) Tap(VK_UP);
        Tap(VK_RETURN);
        return true;
    }
    // <<<設定>>>; the dialog's window once it shows, with its input settled.
    HWND OpenOptions() {
        if (!Choose(2)) return nullptr;
        HWND d = nullptr;
        WaitFor([&] { return (d = VisibleOptions()) != nullptr; });
        PumpFor(300);
        return d;
    }
    HWND VisibleOptions() const {
        for (HWND w : WindowsOf(vitrane_.Pid(), kOptionsClass))
            if (IsWindowVisible(w)) return w;
        return nullptr;
    }
    bool OptionsClosed() {
        return WaitFor([&] { return VisibleOptions() == nullptr; });
    }
    // バージョン情報; true once it shows at its final alpha.
    bool OpenVersion() {
        if (!Choose(1)) return false;
        return WaitFor([&] { return Alpha(main_) == 200 && IsWindowVisible(main_); });
    }
    static int Alpha(HWND w) {
        BYTE alpha = 0;
        DWORD flags = 0;
        if (!GetLayeredWindowAttributes(w, nullptr, &alpha, &flags)) return -1;
        return alpha;
    }
    static std::wstring ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }
    static LRESULT Send(HWND dialog, int id, UINT msg) {
        return SendMessageW(GetDlgItem(dialog, id), msg, 0, 0);
    }
    static void Type(const char* text) {
        for (const char* c = text; *c; ++c) Tap(static_cast<WORD>(toupper(*c)));
    }
    static void Tabs(int n) {
        for (int i = 0; i < n; ++i) Tap(VK_TAB);
    }
};

}  // namespace e2e
