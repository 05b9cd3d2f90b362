// Vitrane: start-up guard, the main window and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "common/message_loop.h"
#include "common/ui_texts.h"
#include "core/main_window.h"
#include "core/single_instance.h"
#include "core/version_resource.h"
#include "cpumon/system_cpu_counters.h"
#include "settings/loaded_settings.h"
#include "settings/registry_store.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    settings::RegistryStore store;
    core::SingleInstance instance;
    if (!instance.IsFirst()) {
        common::Language language = settings::ReadLanguage(store);
        std::wstring text(common::TextOf(language, common::UiText::AlreadyRunning));
        std::wstring title(common::TextOf(language, common::UiText::AlreadyRunningTitle));
        MessageBoxW(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONHAND);
        return 0;
    }
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    cpumon::SystemCpuCounters counters;
    core::MainWindow window(store, counters, core::OwnFileVersion());
    if (!window.Start()) return 1;

    return common::RunMessageLoop();
}
