// The hotkeys' window effects on the window under the cursor, each with its
// undo form (Shift held), and the queries the polling takes them from.
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

// Each effect does nothing to a window that does not answer.
// Layered at the alpha of the rate; with Shift only the layered bit goes.
void Transparency(HWND target, bool shift, int32_t alphaIndex);
// Into the topmost band, or back to the normal one with Shift.
void AlwaysOnTop(HWND target, bool shift);
// Gives (or with Shift takes) the taskbar button; hidden and shown again
// either way, since the taskbar only looks at a window as it is shown.
void TaskbarButton(HWND target, bool shift);

}  // namespace effects
