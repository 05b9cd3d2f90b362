// The processor times as the system gives them, read while this process
// keeps one processor busy.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace forms
