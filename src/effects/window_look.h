// What a window shows now of what the effects change, and who owns it. Read
// without sending the window anything, so a hung program costs nothing.
#pragma once

#include <windows.h>

#include "effects/changed_window.h"

namespace effects {

WindowLook ReadLook(HWND hwnd);
Layering ReadLayering(HWND hwnd);
// Nothing known (process 0) when the window is gone.
WindowOwner OwnerOf(HWND hwnd);

}  // namespace effects
