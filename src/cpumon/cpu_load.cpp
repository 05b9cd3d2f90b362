#include "cpumon/cpu_load.h"

#include <algorithm>
#include <cmath>

namespace cpumon {

std::optional<int32_t> LoadPercent(uint64_t idleDelta, uint64_t totalDelta) {
    if (totalDelta == 0) return std::nullopt;
    double load = 100.0 - static_cast<double>(idleDelta) / static_cast<double>(totalDelta) * 100.0;
    load = std::clamp(load, 0.0, 100.0);
    return static_cast<int32_t>(std::nearbyint(load));  // default rounding: half to even
}

int32_t CpuLoadMeter::GetCpuLoad(CpuCounters& counters) {
    auto now = counters.Times();
    if (!now) return 0;
    int32_t result = 0;
    if (!hasSample_) {
        auto count = counters.ProcessorCount();
        if (!count) return 0;
        result = static_cast<int32_t>(*count);
    } else {
        // Counters that stood still or went down give no interval to measure.
        bool forward = now->Total > last_.Total && now->Idle >= last_.Idle;
        std::optional<int32_t> load;
        if (forward) load = LoadPercent(now->Idle - last_.Idle, now->Total - last_.Total);
        result = load.value_or(lastLoad_);
        lastLoad_ = result;
    }
    hasSample_ = true;
    last_ = *now;
    return result;
}

std::optional<uint32_t> LargerProcessorCount(uint32_t inGroup, uint32_t allGroups) {
    uint32_t count = std::max(inGroup, allGroups);
    if (count == 0) return std::nullopt;
    return count;
}

}  // namespace cpumon
