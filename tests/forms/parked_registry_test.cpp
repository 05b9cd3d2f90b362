// The records of parked windows as Vitrane's watch reads and clears them.
#include <gtest/gtest.h>

#include "common/parked_registry.h"
#include "harness.h"

namespace forms {
namespace {

class ParkedRegistry : public ::testing::Test {
  protected:
    void SetUp() override { e2e::ClearParked(); }
    void TearDown() override { e2e::ClearParked(); }
};

// A newer companion of the same window may write its record between the
// watch's reading and its clearing: that record must stay.
TEST_F(ParkedRegistry, ARecordWrittenSinceTheReadingIsNotDeleted) {
    const common::ParkedWindow older{1234, 10, 20, 30}, newer{1234, 10, 21, 31};
    ASSERT_TRUE(common::WriteParked(older));
    auto read = common::ReadAllParked();
    ASSERT_EQ(read.size(), 1u);
    ASSERT_EQ(read[0].Record, older);

    ASSERT_TRUE(common::WriteParked(newer));
    common::DeleteParkedValue(read[0]);
    auto now = common::ReadAllParked();
    ASSERT_EQ(now.size(), 1u);
    EXPECT_EQ(now[0].Record, newer);

    common::DeleteParkedValue(now[0]);
    EXPECT_TRUE(common::ReadAllParked().empty());
}

// A value that is no record is read as such and can be cleared.
TEST_F(ParkedRegistry, AValueThatIsNoRecordIsClearedAsRead) {
    e2e::WriteParkedValue(L"1234", L"not a record");
    auto read = common::ReadAllParked();
    ASSERT_EQ(read.size(), 1u);
    EXPECT_FALSE(read[0].Record);
    common::DeleteParkedValue(read[0]);
    EXPECT_TRUE(e2e::ParkedValues().empty());
}

// A companion of this very process runs; one whose process is gone does not.
TEST_F(ParkedRegistry, ACompanionRunsWhileItsProcessDoes) {
    HANDLE self = GetCurrentProcess();
    const common::ParkedWindow mine{1234, 10, common::OwnProcessId(),
                                    common::ProcessStartTime(self)};
    EXPECT_TRUE(common::CompanionRunning(mine));
    common::ParkedWindow reused = mine;
    reused.CompanionStart += 1;  // the same id, another process
    EXPECT_FALSE(common::CompanionRunning(reused));
    common::ParkedWindow gone = mine;
    gone.CompanionProcess = 0x7FFFFFF0;  // no such process
    EXPECT_FALSE(common::CompanionRunning(gone));
}

}  // namespace
}  // namespace forms
