#include "effects/window_effects.h"

#include "common/window_helpers.h"

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

HWND TargetUnderCursor() {
    POINT p{};
    GetCursorPos(&p);
    return WindowFromPoint(p);
}

bool IsChildWindow(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
}

bool Answers(HWND hwnd) {
    return common::WindowAnswers(hwnd, kAnswerTimeoutMs);
}

}  // namespace effects
