#include "cpumon/system_cpu_counters.h"

#include <windows.h>

namespace cpumon {
namespace {

uint64_t Ticks(const FILETIME& t) {
    return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

}  // namespace

std::optional<CpuTimes> SystemCpuCounters::Times() {
    FILETIME idle{}, kernel{}, user{};
    if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
    // The kernel time includes the idle time, so kernel + user is all of it.
    return CpuTimes{Ticks(idle), Ticks(kernel) + Ticks(user)};
}

std::optional<uint32_t> SystemCpuCounters::ProcessorCount() {
    SYSTEM_INFO si{};
    GetSystemInfo(&si);
    if (si.dwNumberOfProcessors == 0) return std::nullopt;
    return static_cast<uint32_t>(si.dwNumberOfProcessors);
}

}  // namespace cpumon
