#include "effects/companion_launch.h"

#include <algorithm>

namespace effects {

std::wstring CompanionCaption(int32_t handle) {
    return L"Corvel-" + std::to_wstring(handle);
}

std::wstring CompanionPath(std::wstring_view ownProgramPath) {
    size_t slash = ownProgramPath.find_last_of(L"\\/");
    std::wstring_view folder = slash == std::wstring_view::npos
                                   ? std::wstring_view{}
                                   : ownProgramPath.substr(0, slash + 1);
    return std::wstring(folder) + L"Corvel.exe";
}

std::wstring CompanionCommandLine(std::wstring_view companionPath, int32_t handle) {
    return L"\"" + std::wstring(companionPath) + L"\" " + std::to_wstring(handle);
}

void LaunchTracker::Launched(int32_t window, Process process) {
    launches_.push_back({window, process});
}

bool LaunchTracker::Starting(int32_t window) const {
    return std::any_of(launches_.begin(), launches_.end(),
                       [&](const Launch& l) { return l.Window == window; });
}

std::vector<LaunchTracker::Process> LaunchTracker::Settle(
    const std::function<bool(int32_t window, Process)>& settled) {
    std::vector<Process> done;
    auto keep = std::stable_partition(launches_.begin(), launches_.end(),
                                      [&](const Launch& l) { return !settled(l.Window, l.Proc); });
    for (auto it = keep; it != launches_.end(); ++it) done.push_back(it->Proc);
    launches_.erase(keep, launches_.end());
    return done;
}

}  // namespace effects
