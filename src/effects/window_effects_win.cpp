#include "effects/window_effects.h"

#include "common/window_helpers.h"
#include "effects/alpha_rate.h"

namespace effects {
namespace {

// Long enough for a busy program to answer, short enough that a hung one
// costs only a moment of the tick.
constexpr UINT kAnswerTimeoutMs = 100;

}  // namespace

bool HotkeyDown(int32_t vk) {
    return vk != 0 && GetAsyncKeyState(vk) < 0;
}

bool ShiftHeld() {
    return GetAsyncKeyState(VK_SHIFT) < 0;
}

HWND TargetAt(POINT p, bool wholeWindow) {
    HWND hit = WindowFromPoint(p);
    return wholeWindow && hit ? GetAncestor(hit, GA_ROOT) : hit;
}

HWND TargetUnderCursor(bool wholeWindow) {
    POINT p{};
    GetCursorPos(&p);
    return TargetAt(p, wholeWindow);
}

bool IsChildWindow(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

bool Answers(HWND hwnd) {
    return common::WindowAnswers(hwnd, kAnswerTimeoutMs);
}

void Transparency(HWND target, bool shift, int32_t alphaIndex) {
    // Only a style change sends the target a message; the alpha does not.
    if (!shift) {
        if (!Answers(target)) return;
        common::SetExStyleBit(target, WS_EX_LAYERED, true);
        SetLayeredWindowAttributes(target, 0, static_cast<BYTE>(AlphaFromIndex(alphaIndex)),
                                   LWA_ALPHA);
    } else if (common::HasExStyleBit(target, WS_EX_LAYERED) && Answers(target)) {
        // Clearing the bit alone makes the window opaque; its alpha is kept
        // for the next time it is layered.
        common::SetExStyleBit(target, WS_EX_LAYERED, false);
    }
}

void AlwaysOnTop(HWND target, bool shift) {
    if (!Answers(target)) return;
    SetWindowPos(target, shift ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void TaskbarButton(HWND target, bool shift) {
    if (!Answers(target)) return;
    ShowWindow(target, SW_HIDE);
    // Without Shift an app window that is no tool window; with Shift the reverse.
    common::SetExStyleBit(target, WS_EX_TOOLWINDOW, shift);
    common::SetExStyleBit(target, WS_EX_APPWINDOW, !shift);
    ShowWindow(target, SW_SHOW);
}

}  // namespace effects
