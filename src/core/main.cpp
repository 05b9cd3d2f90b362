// Vitrane: start-up guard, the main window and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "common/message_loop.h"
#include "core/main_window.h"
#include "core/single_instance.h"
#include "core/version_resource.h"
#include "cpumon/system_cpu_counters.h"
#include "settings/registry_store.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    core::SingleInstance instance;
    if (!instance.IsFirst()) {
        MessageBoxW(nullptr, L"すでに起動済みです", L"警告", MB_OK | MB_ICONHAND);
        return 0;
    }
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    settings::RegistryStore store;
    cpumon::SystemCpuCounters counters;
    core::MainWindow window(store, counters, core::OwnFileVersion());
    if (!window.Start()) return 1;

    return common::RunMessageLoop();
}
