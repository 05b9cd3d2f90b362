#include <gtest/gtest.h>

#include <deque>

#include "cpumon/cpu_load.h"

using namespace cpumon;

namespace {

// Counters that replay a script of readings; nullopt makes a query fail.
struct FakeCounters : CpuCounters {
    std::deque<std::optional<CpuTimes>> samples;
    std::optional<uint32_t> processors = 2;
    int processorQueries = 0;

    std::optional<CpuTimes> Times() override {
        auto s = samples.front();
        samples.pop_front();
        return s;
    }
    std::optional<uint32_t> ProcessorCount() override {
        ++processorQueries;
        return processors;
    }
};

constexpr uint64_t kSecond = 10'000'000;  // 100 ns units

}  // namespace

TEST(CpuLoad, FirstCallGivesProcessorCountThenLoads) {
    // Over one second of wall time: `cpus` processors give cpus seconds in all.
    struct Case {
        uint32_t processors;  // as the system reports them
        uint32_t cpus;        // as the times cover them
        uint64_t idleDelta;
        int32_t want;
    } cases[] = {
        {1, 1, kSecond, 0},
        {1, 1, 0, 100},
        {1, 1, kSecond / 4, 75},
        {2, 2, 2 * kSecond, 0},
        {2, 2, 0, 100},
        {2, 2, kSecond, 50},
        {8, 8, 8 * kSecond, 0},
        {8, 8, 4 * kSecond, 50},
        {8, 8, 7 * kSecond, 12},  // 12.5, half to even
        // A 32-bit program sees at most 32 of 64 processors; the times
        // cover all of them, and so does the load.
        {32, 64, 32 * kSecond, 50},
        {32, 64, 64 * kSecond, 0},
        {32, 64, 16 * kSecond, 75},
    };
    for (const auto& c : cases) {
        FakeCounters f;
        f.processors = c.processors;
        CpuTimes t0{77 * kSecond, 1000 * kSecond};
        f.samples = {t0, CpuTimes{t0.Idle + c.idleDelta, t0.Total + c.cpus * kSecond}};
        CpuLoadMeter m;
        EXPECT_EQ(m.GetCpuLoad(f), static_cast<int32_t>(c.processors));
        EXPECT_EQ(m.GetCpuLoad(f), c.want) << c.cpus << " cpus, idle " << c.idleDelta;
        EXPECT_EQ(f.processorQueries, 1);
    }
}

TEST(CpuLoad, ExactAcrossLowHalfWraps) {
    // The low 32 bits of both times cross 2^31 and 2^32 between samples.
    for (uint64_t base : {uint64_t{0x7FFFFF00}, uint64_t{0xFFFFFF00}, uint64_t{0x1FFFFFF00}}) {
        FakeCounters f;
        f.processors = 1;
        f.samples = {CpuTimes{base, base}, CpuTimes{base + 0x800, base + 0x1000}};
        CpuLoadMeter m;
        m.GetCpuLoad(f);
        EXPECT_EQ(m.GetCpuLoad(f), 50) << std::hex << base;
    }
}

TEST(CpuLoad, NoTimePassedRepeatsThePreviousResult) {
    FakeCounters f;
    f.processors = 1;
    uint64_t t = 5 * kSecond;
    f.samples = {
        CpuTimes{0, t},
        CpuTimes{kSecond / 10, t + kSecond},
        CpuTimes{kSecond / 10, t + kSecond},      // nothing passed
        CpuTimes{kSecond / 10, t},                // counters went back
        CpuTimes{0, t + 2 * kSecond},             // idle went back
        CpuTimes{kSecond / 10, t + 3 * kSecond},  // measured from the one before
    };
    CpuLoadMeter m;
    m.GetCpuLoad(f);
    EXPECT_EQ(m.GetCpuLoad(f), 90);
    EXPECT_EQ(m.GetCpuLoad(f), 90) << "nothing passed";
    EXPECT_EQ(m.GetCpuLoad(f), 90) << "counters went back";
    EXPECT_EQ(m.GetCpuLoad(f), 90) << "idle went back";
    EXPECT_EQ(m.GetCpuLoad(f), 90);
}

TEST(CpuLoad, FailedQueryReturnsZeroAndKeepsTheSample) {
    FakeCounters f;
    f.processors = 1;
    uint64_t t = 5 * kSecond;
    f.samples = {CpuTimes{0, t}, std::nullopt, std::nullopt,
                 CpuTimes{kSecond, t + 2 * kSecond}};  // measured from the first sample
    CpuLoadMeter m;
    EXPECT_EQ(m.GetCpuLoad(f), 1);
    EXPECT_EQ(m.GetCpuLoad(f), 0);
    EXPECT_EQ(m.GetCpuLoad(f), 0);
    EXPECT_EQ(m.GetCpuLoad(f), 50);
}

TEST(CpuLoad, FailedProcessorQueryLeavesItAFirstCall) {
    FakeCounters f;
    f.processors = std::nullopt;
    f.samples = {CpuTimes{0, kSecond}, CpuTimes{0, 2 * kSecond}};
    CpuLoadMeter m;
    EXPECT_EQ(m.GetCpuLoad(f), 0);
    f.processors = 4;
    EXPECT_EQ(m.GetCpuLoad(f), 4);
}

TEST(CpuLoad, LoadPercentRoundsHalfToEvenAndClamps) {
    struct Case {
        uint64_t idle, total;
        std::optional<int32_t> want;
    } cases[] = {
        {5, 200, 98},  // 97.5
        {7, 200, 96},  // 96.5
        {0, 0, std::nullopt}, {5, 0, std::nullopt},
        {300, 200, 0},  // more idle than time: clamped
        {0, 1, 100},          {1, 1, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadPercent(c.idle, c.total), c.want) << c.idle << "/" << c.total;
}

// The count over all processor groups where the system gives one: a group
// holds 64 at most, and a 32-bit program under WOW64 is told of 32 at most
// by the other calls.
TEST(CpuLoad, ProcessorCountIsTheLargerOfTheTwo) {
    struct Case {
        uint32_t inGroup, allGroups;
        std::optional<uint32_t> want;
    } cases[] = {
        {2, 0, 2},
        {32, 64, 64},
        {64, 128, 128},
        {64, 64, 64},
        {8, 4, 8},  // all groups asked of a system that counts otherwise
        {0, 0, std::nullopt},
        {0, 6, 6},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LargerProcessorCount(c.inGroup, c.allGroups), c.want)
            << c.inGroup << "/" << c.allGroups;
}
