// Vitrane acting on windows the driver owns: a top-level window with a
// button inside it, the cursor put on them and the keys pressed as a user
// would.
#pragma once

#include "vitrane_fixture.h"

#include <tlhelp32.h>

#include <optional>
#include <string>

namespace e2e {

inline constexpr const wchar_t* kEffectsTargetClass = L"EffectsE2eTarget";

inline constexpr RECT kEffectsTargetPlace{200, 150, 620, 470};

// A top-level window at a fixed place, with a button in its lower right
// part; it counts how often something hid it and the middle button's
// releases it was given (it never captures the mouse).
class EffectsTarget {
  public:
    explicit EffectsTarget(DWORD exStyle = 0, const wchar_t* title = L"effects target",
                           RECT place = kEffectsTargetPlace) {
        RegisterTestClass(kEffectsTargetClass, &EffectsTarget::Proc);
        hwnd_ =
            CreateWindowExW(exStyle, kEffectsTargetClass, title, WS_OVERLAPPEDWINDOW, place.left,
                            place.top, place.right - place.left, place.bottom - place.top, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        button_ = CreateWindowExW(0, L"BUTTON", L"child", WS_CHILD | WS_VISIBLE, 250, 180, 120, 60,
                                  hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        SetForegroundWindow(hwnd_);
        WaitFor([&] { return IsWindowVisible(hwnd_) && GetForegroundWindow() == hwnd_; }, 5000);
        // Drained before any key goes down: gaining the focus makes Wine
        // re-read the keyboard, which lets go of keys held through SendInput.
        PumpFor(200);
    }
    ~EffectsTarget() {
        if (IsWindow(hwnd_)) {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(hwnd_);
        }
    }
    EffectsTarget(const EffectsTarget&) = delete;
    EffectsTarget& operator=(const EffectsTarget&) = delete;

    HWND Hwnd() const { return hwnd_; }
    HWND Button() const { return button_; }
    int Hides() const { return hides_; }
    int MiddleReleases() const { return middleReleases_; }
    // A point of the window's client area clear of the button.
    POINT Free() const { return ScreenPoint(hwnd_, 60, 60); }
    POINT OnButton() const { return ScreenPoint(button_, 60, 30); }
    std::wstring HandleText() const {
        return std::to_wstring(static_cast<int32_t>(reinterpret_cast<intptr_t>(hwnd_)));
    }

    static POINT ScreenPoint(HWND hwnd, int x, int y) {
        POINT p{x, y};
        ClientToScreen(hwnd, &p);
        return p;
    }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        auto* self = reinterpret_cast<EffectsTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self && msg == WM_SHOWWINDOW && !wp) ++self->hides_;
        if (self && msg == WM_MBUTTONUP) ++self->middleReleases_;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }

    HWND hwnd_ = nullptr;
    HWND button_ = nullptr;
    int hides_ = 0;
    int middleReleases_ = 0;
};

inline LONG ExStyle(HWND hwnd) {
    return GetWindowLongW(hwnd, GWL_EXSTYLE);
}
inline bool HasExStyle(HWND hwnd, LONG bits) {
    return (ExStyle(hwnd) & bits) == bits;
}

// The constant alpha of a layered window; nothing when it is not layered.
inline std::optional<int> LayeredAlpha(HWND hwnd) {
    if (!HasExStyle(hwnd, WS_EX_LAYERED)) return std::nullopt;
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    if (!GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags) || !(flags & LWA_ALPHA))
        return std::nullopt;
    return alpha;
}

// A layered window's attributes as they count: the key only with
// LWA_COLORKEY, the alpha only with LWA_ALPHA (255 without); the system may
// keep an old value beside a flag that is not set.
struct Attributes {
    COLORREF key = 0;
    BYTE alpha = 255;
    DWORD flags = 0;
    bool operator==(const Attributes&) const = default;
};

inline std::optional<Attributes> AttributesOf(HWND hwnd) {
    Attributes a;
    if (!HasExStyle(hwnd, WS_EX_LAYERED) ||
        !GetLayeredWindowAttributes(hwnd, &a.key, &a.alpha, &a.flags))
        return std::nullopt;
    if (!(a.flags & LWA_COLORKEY)) a.key = 0;
    if (!(a.flags & LWA_ALPHA)) a.alpha = 255;
    return a;
}

// Processes of that program file name started by `parent`.
inline int ChildProcesses(DWORD parent, const wchar_t* exeName) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return -1;
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof(pe);
    int n = 0;
    for (BOOL ok = Process32FirstW(snap, &pe); ok; ok = Process32NextW(snap, &pe))
        if (pe.th32ParentProcessID == parent && _wcsicmp(pe.szExeFile, exeName) == 0) ++n;
    CloseHandle(snap);
    return n;
}

class EffectsTest : public VitraneTest {
  protected:
    // Holds `vk` (with Shift first if asked) with the cursor at `at` until
    // `done` holds, then lets go; whether it did.
    bool Hold(POINT at, WORD vk, bool shift, const std::function<bool()>& done,
              DWORD timeoutMs = 10000) {
        MoveCursor(at.x, at.y);
        PumpFor(50);
        if (shift) {
            // Shift must be seen down before the key, or the plain form runs.
            KeyDown(VK_SHIFT);
            if (!WaitFor([] { return GetAsyncKeyState(VK_SHIFT) < 0; }, 1000)) return false;
            PumpFor(50);
            if (GetAsyncKeyState(VK_SHIFT) >= 0) KeyDown(VK_SHIFT);
        }
        KeyDown(vk);
        bool ok = WaitFor(done, timeoutMs);
        KeyUp(vk);
        if (shift) {
            // A tick that saw the key still down reads Shift after it: let
            // go of Shift only once the key is up for a tick or more.
            PumpFor(50);
            KeyUp(VK_SHIFT);
        }
        PumpFor(100);  // a tick or more with the keys up
        return ok;
    }
    // Holds it for a while where nothing is to happen.
    void HoldFor(POINT at, WORD vk, bool shift, DWORD ms) {
        Hold(
            at, vk, shift, [] { return false; }, ms);
    }
    // The notice Vitrane shows near the cursor, if one shows, and its text.
    HWND Notice() const { return FindWindowOf(vitrane_.Pid(), L"Vitrane.Notice"); }
    bool NoticeShows(const std::wstring& text) const {
        HWND n = Notice();
        return n && IsWindowVisible(n) && WindowText(n) == text;
    }
    bool NoticeGone(DWORD timeoutMs = 10000) {
        return WaitFor([&] { return Notice() == nullptr; }, timeoutMs);
    }
    // Settings written, then Vitrane started.
    HWND StartWith(std::initializer_list<std::pair<const wchar_t*, std::wstring>> settings) {
        for (const auto& [name, value] : settings) WriteSetting(name, value);
        tray_->Clear();
        return StartVitrane();
    }
};

}  // namespace e2e
