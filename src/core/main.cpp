// Vitrane: start-up guard, the main form and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "common/message_loop.h"
#include "core/frm_p2hwnd.h"
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
    core::FrmP2hWnd form(store, counters, core::OwnFileVersion());
    if (!form.Form_Load()) return 1;

    return common::RunMessageLoop();
}
