#include <gtest/gtest.h>

#include <deque>

#include "cpumon/cpu_load.h"

using namespace cpumon;

namespace {

// Counters that replay a script of samples; nullopt makes a query fail.
struct FakeCounters : CpuCounters {
    struct Sample {
        std::optional<uint64_t> system, idle;
    };
    std::deque<Sample> samples;
    std::optional<uint32_t> processors = 2;
    int processorQueries = 0;
    std::optional<uint64_t> current_idle;

    std::optional<uint64_t> SystemTime() override {
        auto s = samples.front();
        current_idle = s.idle;
        if (!s.system) samples.pop_front();
        return s.system;
    }
    std::optional<uint64_t> IdleTime() override {
        samples.pop_front();
        return current_idle;
    }
    std::optional<uint32_t> ProcessorCount() override {
        ++processorQueries;
        return processors;
    }
};

constexpr uint64_t kSecond = 10'000'000;  // 100 ns units

}  // namespace

TEST(CpuLoad, FirstCallGivesProcessorCountThenLoads) {
    struct Case {
        uint32_t processors;
        uint64_t idleDelta;  // over one second
        int32_t want;
    } cases[] = {
        {1, kSecond, 0},     {1, 0, 100},          {1, kSecond / 4, 75},
        {2, 2 * kSecond, 0}, {2, 0, 100},          {2, kSecond, 50},
        {8, 8 * kSecond, 0}, {8, 4 * kSecond, 50}, {8, 7 * kSecond, 12},  // 12.5, half to even
        {2, 3 * kSecond, 0},  // more idle than capacity: clamped
    };
    for (const auto& c : cases) {
        FakeCounters f;
        f.processors = c.processors;
        uint64_t t0 = 1000 * kSecond, i0 = 77 * kSecond;
        f.samples = {{t0, i0}, {t0 + kSecond, i0 + c.idleDelta}};
        CpuLoadMeter m;
        EXPECT_EQ(m.GetCpuLoad(f), static_cast<int32_t>(c.processors));
        EXPECT_EQ(m.GetCpuLoad(f), c.want) << c.processors << " cpus, idle " << c.idleDelta;
        EXPECT_EQ(f.processorQueries, 1);
    }
}

TEST(CpuLoad, ExactAcrossLowHalfWraps) {
    // The low 32 bits of both times cross 2^31 and 2^32 between samples.
    for (uint64_t base : {uint64_t{0x7FFFFF00}, uint64_t{0xFFFFFF00}, uint64_t{0x1FFFFFF00}}) {
        FakeCounters f;
        f.processors = 1;
        f.samples = {{base, base}, {base + 0x1000, base + 0x800}};
        CpuLoadMeter m;
        m.GetCpuLoad(f);
        EXPECT_EQ(m.GetCpuLoad(f), 50) << std::hex << base;
    }
}

TEST(CpuLoad, NoElapsedTimeRepeatsThePreviousResult) {
    FakeCounters f;
    f.processors = 1;
    uint64_t t = 5 * kSecond;
    f.samples = {
        {t, 0}, {t + kSecond, kSecond / 10}, {t + kSecond, kSecond / 10}, {t, kSecond / 10}};
    CpuLoadMeter m;
    m.GetCpuLoad(f);
    EXPECT_EQ(m.GetCpuLoad(f), 90);
    EXPECT_EQ(m.GetCpuLoad(f), 90) << "elapsed 0";
    EXPECT_EQ(m.GetCpuLoad(f), 90) << "clock set back";
}

TEST(CpuLoad, FailedQueryReturnsZeroAndKeepsTheSample) {
    FakeCounters f;
    f.processors = 1;
    uint64_t t = 5 * kSecond;
    f.samples = {{t, 0},
                 {std::nullopt, std::nullopt},  // time query fails
                 {t + kSecond, std::nullopt},   // idle query fails
                 {t + 2 * kSecond, kSecond}};   // measured from the first sample
    CpuLoadMeter m;
    EXPECT_EQ(m.GetCpuLoad(f), 1);
    EXPECT_EQ(m.GetCpuLoad(f), 0);
    EXPECT_EQ(m.GetCpuLoad(f), 0);
    EXPECT_EQ(m.GetCpuLoad(f), 50);
}

TEST(CpuLoad, FailedProcessorQueryLeavesItAFirstCall) {
    FakeCounters f;
    f.processors = std::nullopt;
    f.samples = {{kSecond, 0}, {2 * kSecond, 0}};
    CpuLoadMeter m;
    EXPECT_EQ(m.GetCpuLoad(f), 0);
    f.processors = 4;
    EXPECT_EQ(m.GetCpuLoad(f), 4);
}

TEST(CpuLoad, LoadPercentRoundsHalfToEven) {
    EXPECT_EQ(LoadPercent(5, 200, 1), 98);  // 97.5 -> 98
    EXPECT_EQ(LoadPercent(7, 200, 1), 96);  // 96.5 -> 96
    EXPECT_EQ(LoadPercent(0, 0, 1), std::nullopt);
}
