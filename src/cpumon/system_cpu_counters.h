// CpuCounters from the system's processor times (GetSystemTimes, present
// since Windows XP SP1) and its processor count.
#pragma once

#include <windows.h>

#include "cpumon/cpu_load.h"

namespace cpumon {

// Where the processor count comes from. GetNativeSystemInfo, since a 32-bit
// program under WOW64 is told of 32 processors at most otherwise; and, where
// the system has it (Windows 7 on), the count over all processor groups,
// since one group holds 64 at most.
struct ProcessorCountCalls {
    void(WINAPI* NativeSystemInfo)(LPSYSTEM_INFO) = nullptr;
    DWORD(WINAPI* ActiveProcessorCount)(WORD group) = nullptr;  // null where missing
};
ProcessorCountCalls SystemProcessorCountCalls();

std::optional<uint32_t> CountProcessors(const ProcessorCountCalls& calls);

class SystemCpuCounters : public CpuCounters {
  public:
    explicit SystemCpuCounters(ProcessorCountCalls calls = SystemProcessorCountCalls())
        : calls_(calls) {}
    std::optional<CpuTimes> Times() override;
    std::optional<uint32_t> ProcessorCount() override;

  private:
    ProcessorCountCalls calls_;
};

}  // namespace cpumon
