#include "effects/window_look.h"

#include "common/parked_registry.h"

namespace effects {

Layering ReadLayering(HWND hwnd) {
    if (!(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return NotLayered();
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    // Refused for a window that draws itself with UpdateLayeredWindow (and
    // one that has not drawn at all yet).
    if (!GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) return SelfDrawnLayering();
    return LayeredWith(key, alpha, flags);
}

WindowLook ReadLook(HWND hwnd) {
    LONG ex = GetWindowLongW(hwnd, GWL_EXSTYLE);
    WindowLook look;
    look.Layer = ReadLayering(hwnd);
    look.Topmost = (ex & WS_EX_TOPMOST) != 0;
    look.ToolWindow = (ex & WS_EX_TOOLWINDOW) != 0;
    look.AppWindow = (ex & WS_EX_APPWINDOW) != 0;
    return look;
}

WindowOwner OwnerOf(HWND hwnd) {
    DWORD process = 0;
    if (!GetWindowThreadProcessId(hwnd, &process) || process == 0) return {};
    return WindowOwner{process, common::ProcessStartOf(process)};
}

}  // namespace effects
