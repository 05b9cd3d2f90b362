// Corvel: parks one window in the task tray. Started by Vitrane with the
// window's handle after the program path.
#include <windows.h>

#include "common/companion_contract.h"
#include "common/message_loop.h"
#include "common/stored_language.h"
#include "common/unique_handle.h"
#include "common/window_helpers.h"
#include "companion/parking_window.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Every way of failing here ends silently, before any window or icon exists.
    auto handle = common::TargetHandleFromArgument(common::ArgumentText(GetCommandLineW()));
    if (!handle) return 0;
    HWND target = common::WindowOfValue(*handle);
    if (!IsWindow(target)) return 0;

    HANDLE mutex = CreateMutexW(nullptr, FALSE, common::CompanionMutexName(*handle).c_str());
    bool taken = GetLastError() == ERROR_ALREADY_EXISTS;
    common::unique_handle_t ownMutex(mutex);
    if (!mutex || taken) return 0;

    // The language Vitrane's options chose, as it stands now; read only.
    companion::ParkingWindow window(target, *handle, common::ReadStoredLanguage());
    if (!window.Open()) return 1;

    int code = common::RunMessageLoop();
    // A WM_QUIT from anyone ends the loop as well: the window is given back
    // on every way out.
    window.TakeOut();
    return code;
}
