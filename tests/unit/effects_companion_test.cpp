#include <gtest/gtest.h>

#include <map>

#include "common/companion_contract.h"
#include "effects/launch_tracker.h"

namespace {

using effects::LaunchTracker;

TEST(CompanionTexts, CaptionIsSignedDecimal) {
    EXPECT_EQ(common::CompanionCaption(1234), L"Corvel-1234");
    EXPECT_EQ(common::CompanionCaption(-5), L"Corvel--5");
    EXPECT_EQ(common::CompanionCaption(0), L"Corvel-0");
}

TEST(CompanionTexts, CompanionLivesBesideTheProgram) {
    EXPECT_EQ(common::CompanionPath(L"C:\\Tools\\Vitrane.exe"), L"C:\\Tools\\Corvel.exe");
    EXPECT_EQ(common::CompanionPath(L"C:\\Vitrane.exe"), L"C:\\Corvel.exe");
    EXPECT_EQ(common::CompanionPath(L"\\\\srv\\a b\\v.exe"), L"\\\\srv\\a b\\Corvel.exe");
    EXPECT_EQ(common::CompanionPath(L"Vitrane.exe"), L"Corvel.exe");
}

TEST(CompanionTexts, CommandLineQuotesThePath) {
    EXPECT_EQ(common::CompanionCommandLine(L"C:\\Program Files\\x\\Corvel.exe", 66090),
              L"\"C:\\Program Files\\x\\Corvel.exe\" 66090");
    EXPECT_EQ(common::CompanionCommandLine(L"C:\\Corvel.exe", -2), L"\"C:\\Corvel.exe\" -2");
}

// Launches are forgotten exactly when the caller says they settled, and
// their processes come back once, so none is closed twice or never.
TEST(LaunchTracker, KeepsOnlyUnsettledLaunches) {
    LaunchTracker t;
    EXPECT_TRUE(t.Empty());
    EXPECT_FALSE(t.Starting(10));
    t.Launched(10, 1001);
    t.Launched(20, 1002);
    t.Launched(30, 1003);
    EXPECT_TRUE(t.Starting(10));
    EXPECT_TRUE(t.Starting(20));
    EXPECT_FALSE(t.Starting(40));

    std::map<int32_t, bool> appeared{{10, false}, {20, true}, {30, false}};
    auto done = t.Settle([&](int32_t w, LaunchTracker::Process p) {
        EXPECT_EQ(p, static_cast<LaunchTracker::Process>(1000 + w / 10));
        return appeared[w];
    });
    EXPECT_EQ(done, std::vector<LaunchTracker::Process>{1002});
    EXPECT_TRUE(t.Starting(10));
    EXPECT_FALSE(t.Starting(20));
    EXPECT_EQ(t.Size(), 2u);

    done = t.Settle([](int32_t, LaunchTracker::Process) { return true; });
    EXPECT_EQ(done, (std::vector<LaunchTracker::Process>{1001, 1003}));
    EXPECT_TRUE(t.Empty());
    EXPECT_TRUE(t.Settle([](int32_t, LaunchTracker::Process) { return true; }).empty());
}

}  // namespace
