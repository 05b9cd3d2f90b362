#include "cpumon/system_cpu_counters.h"

namespace cpumon {
namespace {

constexpr WORD kAllProcessorGroups = 0xFFFF;

uint64_t Ticks(const FILETIME& t) {
    return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

}  // namespace

ProcessorCountCalls SystemProcessorCountCalls() {
    ProcessorCountCalls calls;
    calls.NativeSystemInfo = &GetNativeSystemInfo;
    // Windows 7's: looked up, so the program still starts on XP.
    if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll"))
        calls.ActiveProcessorCount = reinterpret_cast<DWORD(WINAPI*)(WORD)>(
            reinterpret_cast<void*>(GetProcAddress(kernel, "GetActiveProcessorCount")));
    return calls;
}

std::optional<uint32_t> CountProcessors(const ProcessorCountCalls& calls) {
    SYSTEM_INFO si{};
    if (calls.NativeSystemInfo) calls.NativeSystemInfo(&si);
    DWORD all = calls.ActiveProcessorCount ? calls.ActiveProcessorCount(kAllProcessorGroups) : 0;
    return LargerProcessorCount(si.dwNumberOfProcessors, all);
}

std::optional<CpuTimes> SystemCpuCounters::Times() {
    FILETIME idle{}, kernel{}, user{};
    if (!GetSystemTimes(&idle, &kernel, &user)) return std::nullopt;
    // The kernel time includes the idle time, so kernel + user is all of it.
    return CpuTimes{Ticks(idle), Ticks(kernel) + Ticks(user)};
}

std::optional<uint32_t> SystemCpuCounters::ProcessorCount() {
    return CountProcessors(calls_);
}

}  // namespace cpumon
