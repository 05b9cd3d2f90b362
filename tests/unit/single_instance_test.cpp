#include <gtest/gtest.h>

#include "core/instance_mutex.h"

TEST(SingleInstance, AnotherCopyRunsWhenTheNameIsTakenOrDenied) {
    struct Case {
        bool gotHandle;
        uint32_t lastError;
        bool another;
    } cases[] = {
        {true, 0, false},                         // created: the first copy
        {true, core::kErrorAlreadyExists, true},  // opened: a copy runs
        {false, core::kErrorAccessDenied, true},  // there, but made by an elevated copy
        {false, 0, false},                        // failed for no known reason: start
        {false, 8, false},                        // not enough memory: start
        {true, core::kErrorAccessDenied, false},  // a handle: whatever came before
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::AnotherInstanceRuns(c.gotHandle, c.lastError), c.another)
            << c.gotHandle << " " << c.lastError;
}
