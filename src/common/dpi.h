// The DPI a window is shown at, on every Windows from XP on: the per-monitor
// functions are looked up at run time, since XP lacks them.
#pragma once

#include <windows.h>

#include "common/twips.h"

namespace common {

// The screen's DPI (96 when it cannot be read).
int ScreenDpi();

// The window's DPI where the system reports one per window, else the screen's.
int WindowDpi(HWND hwnd);

// The DPI of the monitor at a screen point where the system reports one per
// monitor (Windows 8.1 on), else the screen's.
int MonitorDpiAt(POINT p);

// The outer size of a window whose client area is `clientW` x `clientH` pixels.
SIZE WindowSizeForClient(int clientW, int clientH, DWORD style, DWORD exStyle, int dpi);

// Places a child window at a rectangle given in twips.
void PlaceChild(HWND child, const TwipsRect& r, int dpi);

// A 9-point font of the platform's Japanese UI face at `dpi`.
HFONT CreateDialogFont(int dpi);

}  // namespace common
