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

}  // namespace effects
