#include "cpumon/cpu_load.h"

#include <algorithm>
#include <cmath>

namespace cpumon {

std::optional<int32_t> LoadPercent(uint64_t idleDelta, uint64_t elapsed, uint32_t processors) {
    if (elapsed == 0) return std::nullopt;
    double capacity = static_cast<double>(elapsed) * std::max<uint32_t>(processors, 1);
    double load = 100.0 - static_cast<double>(idleDelta) / capacity * 100.0;
    load = std::clamp(load, 0.0, 100.0);
    return static_cast<int32_t>(std::nearbyint(load));  // default rounding: half to even
}

int32_t CpuLoadMeter::GetCpuLoad(CpuCounters& counters) {
    auto now = counters.SystemTime();
    if (!now) return 0;
    auto idle = counters.IdleTime();
    if (!idle) return 0;
    int32_t result = 0;
    if (!hasSample_) {
        auto count = counters.ProcessorCount();
        if (!count) return 0;
        processors_ = *count;
        result = static_cast<int32_t>(*count);
    } else {
        // A clock set back (or a counter that went down) gives no interval to measure.
        bool forward = *now > lastSystemTime_ && *idle >= lastIdleTime_;
        std::optional<int32_t> load;
        if (forward) load = LoadPercent(*idle - lastIdleTime_, *now - lastSystemTime_, processors_);
        result = load.value_or(lastLoad_);
        lastLoad_ = result;
    }
    hasSample_ = true;
    lastIdleTime_ = *idle;
    lastSystemTime_ = *now;
    return result;
}

}  // namespace cpumon
