#include "effects/companion_starter.h"

#include "common/window_helpers.h"

#include <string>

#include "common/companion_contract.h"

#include "effects/window_effects.h"

namespace effects {
namespace {

HANDLE AsHandle(LaunchTracker::Process p) {
    return reinterpret_cast<HANDLE>(p);
}

}  // namespace

CompanionStarter::~CompanionStarter() {
    for (auto p : launches_.Settle([](int32_t, LaunchTracker::Process) { return true; }))
        CloseHandle(AsHandle(p));
}

void CompanionStarter::Settle() {
    if (launches_.Empty()) return;
    auto done = launches_.Settle([](int32_t window, LaunchTracker::Process p) {
        if (WaitForSingleObject(AsHandle(p), 0) != WAIT_TIMEOUT) return true;
        return FindWindowW(nullptr, common::CompanionCaption(window).c_str()) != nullptr;
    });
    for (auto p : done) CloseHandle(AsHandle(p));
}

std::optional<Notice> CompanionStarter::TrayStep(HWND target) {
    int32_t handle = common::HandleValue(target);
    HWND companion = FindWindowW(nullptr, common::CompanionCaption(handle).c_str());
    if (ShiftHeld()) {
        if (companion)
            PostMessageW(companion, common::kReleaseMessage, common::kReleaseWParam,
                         common::kReleaseLParam);
        return std::nullopt;
    }
    // Parked already, or its companion is still on its way.
    if (companion || launches_.Starting(handle)) return std::nullopt;
    return Start(handle);
}

std::optional<Notice> CompanionStarter::Start(int32_t handle) {
    // The program path goes in as the application name as well, so nothing
    // but this file can be started whatever the folder is called.
    std::wstring path = common::CompanionPath(common::OwnProgramPath());
    std::wstring commandLine = common::CompanionCommandLine(path, handle);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    // A missing or broken Corvel.exe costs only this step, and the user is told.
    if (!CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi)) {
        DWORD error = GetLastError();
        bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return missing ? Notice::CompanionMissing : Notice::CompanionFailed;
    }
    CloseHandle(pi.hThread);
    launches_.Launched(handle, reinterpret_cast<LaunchTracker::Process>(pi.hProcess));
    return std::nullopt;
}

}  // namespace effects
