// The processor times as the system gives them, read while this process
// keeps one processor busy.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "cpumon/system_cpu_counters.h"
#include "harness.h"

namespace forms {
namespace {

class BusyThread {
  public:
    BusyThread()
        : thread_([this] {
              volatile uint64_t n = 0;
              while (!stop_.load(std::memory_order_relaxed)) n = n + 1;
          }) {}
    ~BusyThread() {
        stop_ = true;
        thread_.join();
    }

  private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

TEST(SystemCpuCounters, BusyThreadShowsAsLoad) {
    constexpr uint64_t kWindow = 3'000'000;  // 300 ms of processor time, 100 ns units
    cpumon::SystemCpuCounters counters;
    cpumon::CpuLoadMeter meter;
    BusyThread busy;
    EXPECT_GE(meter.GetCpuLoad(counters), 1) << "the first call counts the processors";
    auto first = counters.Times();
    ASSERT_TRUE(first);
    EXPECT_LE(first->Idle, first->Total);

    std::optional<cpumon::CpuTimes> last;
    ASSERT_TRUE(e2e::WaitFor([&] {
        last = counters.Times();
        return last && last->Total - first->Total >= kWindow;
    }));
    int32_t load = meter.GetCpuLoad(counters);
    EXPECT_GT(load, 0);
    EXPECT_LE(load, 100);
    EXPECT_LE(last->Idle - first->Idle, last->Total - first->Total)
        << "idle " << last->Idle - first->Idle << " of " << last->Total - first->Total;
}

void WINAPI Native32(LPSYSTEM_INFO si) {
    si->dwNumberOfProcessors = 32;  // as WOW64 tells a 32-bit program
}
void WINAPI Native64(LPSYSTEM_INFO si) {
    si->dwNumberOfProcessors = 64;  // one processor group
}
DWORD WINAPI AllGroups128(WORD group) {
    return group == 0xFFFF ? 128 : 64;
}
DWORD WINAPI AllGroups64(WORD group) {
    return group == 0xFFFF ? 64 : 32;
}
DWORD WINAPI Failing(WORD) {
    return 0;
}

TEST(SystemCpuCounters, ProcessorsOfEveryGroupAreCounted) {
    using Calls = cpumon::ProcessorCountCalls;
    struct Case {
        Calls calls;
        uint32_t count;
    } cases[] = {
        {{&Native32, &AllGroups64}, 64},
        {{&Native64, &AllGroups128}, 128},
        {{&Native32, nullptr}, 32},  // before Windows 7
        {{&Native64, &Failing}, 64},
    };
    for (const auto& c : cases) {
        cpumon::SystemCpuCounters counters(c.calls);
        EXPECT_EQ(counters.ProcessorCount(), c.count);
        cpumon::CpuLoadMeter meter;
        EXPECT_EQ(meter.GetCpuLoad(counters), static_cast<int32_t>(c.count))
            << "the tooltip's count";
    }
    // The system's own calls, looked up here as the program looks them up.
    Calls system = cpumon::SystemProcessorCountCalls();
    ASSERT_NE(system.NativeSystemInfo, nullptr);
    SYSTEM_INFO si{};
    GetNativeSystemInfo(&si);
    uint32_t expected = si.dwNumberOfProcessors;
    if (system.ActiveProcessorCount)
        expected = std::max<uint32_t>(expected, system.ActiveProcessorCount(0xFFFF));
    EXPECT_EQ(cpumon::CountProcessors(system), expected);
}

}  // namespace
}  // namespace forms
