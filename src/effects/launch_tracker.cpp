#include "effects/launch_tracker.h"

#include <algorithm>

namespace effects {

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
