// Small Win32 helpers the windows of both programs share.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace common {

// Sent when a window moves to a monitor of another scale (the XP headers lack it).
inline constexpr UINT kWmDpiChanged = 0x02E0;

// A window's text, however long.
std::wstring WindowText(HWND hwnd);

// The full path of the running program file, however long; empty if it
// cannot be had.
std::wstring OwnProgramPath();

// Whether another program's window takes a message within `timeoutMs`.
// Changing its styles, z-order or visibility waits for that program: ask
// first, so a hung program never stops this one. With `block`, no message
// sent to this thread is taken in meanwhile.
bool WindowAnswers(HWND hwnd, UINT timeoutMs, bool block = false);

// The 32-bit value a handle is written as between the two programs, and
// back: the low half, sign-extended as 64-bit Windows extends it.
int32_t HandleValue(HWND hwnd);
HWND WindowOfValue(int32_t value);

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
