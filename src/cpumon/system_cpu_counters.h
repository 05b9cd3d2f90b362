// CpuCounters from NtQuerySystemInformation (looked up at run time in ntdll).
#pragma once

#include "cpumon/cpu_load.h"

namespace cpumon {

class SystemCpuCounters : public CpuCounters {
  public:
    std::optional<uint64_t> SystemTime() override;
    std::optional<uint64_t> IdleTime() override;
    std::optional<uint32_t> ProcessorCount() override;
};

}  // namespace cpumon
