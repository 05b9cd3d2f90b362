// Processor load over the time between two samples. No <windows.h>.
#pragma once

#include <cstdint>
#include <optional>

namespace cpumon {

// One reading of the processor times, summed over all processors, in
// 100-nanosecond units. Both come from the same reading, so they cover the
// same processors and the same moment.
struct CpuTimes {
    uint64_t Idle = 0;
    uint64_t Total = 0;  // busy and idle together
};

// Where the samples come from (the system in the program, a fake in tests).
class CpuCounters {
  public:
    virtual ~CpuCounters() = default;
    virtual std::optional<CpuTimes> Times() = 0;
    virtual std::optional<uint32_t> ProcessorCount() = 0;  // asked on the first call only
};

class CpuLoadMeter {
  public:
    // First successful call: the processor count. Later calls: the load in
    // percent (0..100) since the previous successful call, or the previous
    // result when no processor time has passed. A failed query gives 0 and
    // keeps the previous sample.
    int32_t GetCpuLoad(CpuCounters& counters);

  private:
    bool hasSample_ = false;
    CpuTimes last_;
    int32_t lastLoad_ = 0;
};

// The load for one interval: 100 - idle / total x 100, clamped to 0..100
// and rounded half to even. Nothing when no time passed.
std::optional<int32_t> LoadPercent(uint64_t idleDelta, uint64_t totalDelta);

// The processor count from the two counts the system gives: those of the
// group this process runs in and those of all groups (0 where unknown).
// The larger, or nothing when neither counts any.
std::optional<uint32_t> LargerProcessorCount(uint32_t inGroup, uint32_t allGroups);

}  // namespace cpumon
