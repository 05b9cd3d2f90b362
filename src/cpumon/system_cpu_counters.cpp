#include "cpumon/system_cpu_counters.h"

#include <windows.h>

#include <cstring>

namespace cpumon {
namespace {

using QueryFn = LONG(WINAPI*)(int, void*, ULONG, ULONG*);

QueryFn Query() {
    static QueryFn fn = [] {
        HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
        return ntdll ? reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
                           GetProcAddress(ntdll, "NtQuerySystemInformation")))
                     : nullptr;
    }();
    return fn;
}

// Reads a 64-bit value at `offset` of an information class, zero-filled first.
template <size_t Size>
std::optional<uint64_t> Read64(int infoClass, size_t offset) {
    QueryFn fn = Query();
    if (!fn) return std::nullopt;
    alignas(8) unsigned char buf[Size] = {};
    if (fn(infoClass, buf, Size, nullptr) != 0) return std::nullopt;
    uint64_t v = 0;
    std::memcpy(&v, buf + offset, sizeof(v));
    return v;
}

}  // namespace

std::optional<uint64_t> SystemCpuCounters::SystemTime() {
    return Read64<32>(3, 8);  // SystemTimeOfDayInformation: CurrentTime
}

std::optional<uint64_t> SystemCpuCounters::IdleTime() {
    // The structure grew over the versions; a roomy buffer fits them all.
    return Read64<1024>(2, 0);  // SystemPerformanceInformation: IdleTime
}

std::optional<uint32_t> SystemCpuCounters::ProcessorCount() {
    SYSTEM_INFO si{};
    GetSystemInfo(&si);
    if (si.dwNumberOfProcessors == 0) return std::nullopt;
    return static_cast<uint32_t>(si.dwNumberOfProcessors);
}

}  // namespace cpumon
