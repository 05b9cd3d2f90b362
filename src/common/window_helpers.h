// Small Win32 helpers the windows of both programs share.
#pragma once

#include <windows.h>

#include <string>

namespace common {

// Sent when a window moves to a monitor of another scale (the XP headers lack it).
inline constexpr UINT kWmDpiChanged = 0x02E0;

// A window's text, however long.
std::wstring WindowText(HWND hwnd);

// Whether one extended-style bit is set.
bool HasExStyleBit(HWND hwnd, LONG bit);
// Sets or clears one extended-style bit; nothing is written when it already is so.
void SetExStyleBit(HWND hwnd, LONG bit, bool on);

// The work area of the primary monitor (the screen less the taskbar).
RECT WorkArea();
// The top-left corner that centres `size` in `area`.
POINT CentredIn(const RECT& area, SIZE size);

// Puts `proc` in front of a control's window procedure; the control's
// GWLP_USERDATA keeps the original, which `CallOriginal` passes messages on to.
void Subclass(HWND control, WNDPROC proc);
LRESULT CallOriginal(HWND control, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace common
