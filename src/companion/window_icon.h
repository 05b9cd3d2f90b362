// Which icon stands for the parked window in the tray.
#pragma once

#include <windows.h>

namespace companion {

// How long the window's program may take to hand over an icon or to answer
// at all before it counts as not answering.
inline constexpr UINT kAnswerTimeoutMs = 250;

// The window's own small icon, wherever it keeps it: its class's small icon,
// then the icons set on the window itself (small, the system's small, big),
// then its class's large icon; null when it has none. Shared icons, never
// to be destroyed.
HICON TargetIcon(HWND target);

}  // namespace companion
