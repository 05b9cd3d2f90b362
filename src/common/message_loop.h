// The thread's message loop, until WM_QUIT.
#pragma once

#include <windows.h>

namespace common {

inline int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace common
