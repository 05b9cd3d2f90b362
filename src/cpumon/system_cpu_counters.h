// CpuCounters from the system's processor times (GetSystemTimes, present
// since Windows XP SP1).
#pragma once

#include "cpumon/cpu_load.h"

namespace cpumon {

class SystemCpuCounters : public CpuCounters {
  public:
    std::optional<CpuTimes> Times() override;
    std::optional<uint32_t> ProcessorCount() override;
};

}  // namespace cpumon
