// Messages a window takes from programs of lower integrity too. A program
// running with administrator rights hears from Explorer and from a normal
// Vitrane only a few system messages unless it lets more through: not the
// shell's "TaskbarCreated", not a tray icon's callback, not the release
// message.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "common/system_functions.h"

namespace common {

// Lets each message through to `window` with ChangeWindowMessageFilterEx
// (Windows 7 on), else for the whole process with ChangeWindowMessageFilter
// (Vista); XP has neither and no integrity levels to get past.
void LetThroughFromLowerIntegrity(HWND window, std::initializer_list<UINT> messages,
                                  FunctionFinder find = FindUser32Function);

}  // namespace common
