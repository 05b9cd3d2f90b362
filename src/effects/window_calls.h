// The few calls by which the effects change another program's window, and
// how the system's refusal shows in each. Under UAC a window of a program
// with more rights still answers, but its style, layering and z-order may
// not be changed: these calls fail with ERROR_ACCESS_DENIED. The calls are
// a table, so a test can stand in for such a window.
#pragma once

#include <windows.h>

#include "effects/changed_window.h"

namespace effects {

struct WindowCalls {
    LONG(WINAPI* SetLong)(HWND, int, LONG) = &SetWindowLongW;
    BOOL(WINAPI* SetLayered)(HWND, COLORREF, BYTE, DWORD) = &SetLayeredWindowAttributes;
    BOOL(WINAPI* SetPos)(HWND, HWND, int, int, int, int, UINT) = &SetWindowPos;
};

enum class WriteResult { Done, Refused, Failed };

// The extended style; nothing is written when it already is so.
WriteResult WriteExStyle(const WindowCalls& calls, HWND hwnd, LONG ex);
// The attributes of a window that is layered already.
WriteResult WriteLayering(const WindowCalls& calls, HWND hwnd, const Layering& to);
// Into or out of the topmost band; `flags` beside SWP_NOMOVE | SWP_NOSIZE.
WriteResult WriteTopmost(const WindowCalls& calls, HWND hwnd, bool topmost, UINT flags);

}  // namespace effects
