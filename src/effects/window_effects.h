// The queries the polling takes its steps from: the keys, the window under
// the cursor, and whether that window's program answers.
#pragma once

#include <windows.h>

#include <cstdint>

namespace effects {

// A configured key is down; code 0 (no key) queries nothing.
bool HotkeyDown(int32_t vk);
bool ShiftHeld();
// What every hotkey step and the fade's start act on: the window at `p` as
// the platform hit-tests it (a control, too), or with `wholeWindow` the
// top-level window that holds it.
HWND TargetAt(POINT p, bool wholeWindow);
HWND TargetUnderCursor(bool wholeWindow);
bool IsChildWindow(HWND hwnd);
// Whether the window's program answers within a short time; one that does
// not is left alone for this tick.
bool Answers(HWND hwnd);

}  // namespace effects
