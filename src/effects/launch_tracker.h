// The record of companions that are still starting up.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace effects {

// Companions launched but not yet showing their window. A held tray key
// fires on every tick, and a companion takes many ticks to start; without
// this record each tick before its caption appears would start another one.
class LaunchTracker {
  public:
    using Process = uintptr_t;  // an opaque process handle of the caller's

    bool Empty() const { return launches_.empty(); }
    size_t Size() const { return launches_.size(); }
    void Launched(int32_t window, Process process);
    bool Starting(int32_t window) const;

    // Forgets every launch for which `settled` holds (its window appeared or
    // its process ended) and gives back their processes for the caller to close.
    std::vector<Process> Settle(const std::function<bool(int32_t window, Process)>& settled);

  private:
    struct Launch {
        int32_t Window;
        Process Proc;
    };
    std::vector<Launch> launches_;
};

}  // namespace effects
