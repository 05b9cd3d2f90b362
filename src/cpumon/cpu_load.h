// Processor load over the time between two samples. No <windows.h>.
#pragma once

#include <cstdint>
#include <optional>

namespace cpumon {

// Where the samples come from (the system in the program, a fake in tests).
// Times are in 100-nanosecond units.
class CpuCounters {
  public:
    virtual ~CpuCounters() = default;
    virtual std::optional<uint64_t> SystemTime() = 0;      // current time of day
    virtual std::optional<uint64_t> IdleTime() = 0;        // idle time of all processors
    virtual std::optional<uint32_t> ProcessorCount() = 0;  // asked on the first call only
};

class CpuLoadMeter {
  public:
    // First successful call: the processor count. Later calls: the load in
    // percent (0..100) since the previous successful call. A failed query
    // gives 0 and keeps the previous sample.
    int32_t GetCpuLoad(CpuCounters& counters);

  private:
    bool hasSample_ = false;
    uint64_t lastIdleTime_ = 0;
    uint64_t lastSystemTime_ = 0;
    uint32_t processors_ = 1;
    int32_t lastLoad_ = 0;
};

// The load for one interval: 100 - idle / (processors x elapsed) x 100,
// clamped to 0..100 and rounded half to even. Nothing when elapsed is 0.
std::optional<int32_t> LoadPercent(uint64_t idleDelta, uint64_t elapsed, uint32_t processors);

}  // namespace cpumon
