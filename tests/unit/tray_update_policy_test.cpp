#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cpumon/tray_update_policy.h"

namespace {

using cpumon::ShellAnswer;
using cpumon::ShellCall;
using cpumon::TrayIconState;
using cpumon::TrayUpdatePolicy;

TEST(TrayUpdatePolicy, AnswersFromTheCallsResult) {
    struct Case {
        bool ok;
        uint32_t error, elapsedMs;
        ShellAnswer answer;
    } cases[] = {
        {true, 0, 0, ShellAnswer::Done},
        {true, 1460, 4000, ShellAnswer::Done},
        {false, 0, 5, ShellAnswer::Refused},  // the shell said no
        {false, 0x80004005u, 20, ShellAnswer::Refused},
        {false, 1460, 4000, ShellAnswer::Busy},  // timed out
        {false, 1460, 0, ShellAnswer::Busy},
        {false, 0, 3000, ShellAnswer::Busy},  // as long as a time-out, whatever it says
        {false, 2, 1, ShellAnswer::NoShell},  // no notification area found
    };
    for (const auto& c : cases)
        EXPECT_EQ(cpumon::ClassifyShellAnswer(c.ok, c.error, c.elapsedMs), c.answer)
            << c.ok << " " << c.error << " " << c.elapsedMs;
}

// A script of ticks: the icon's state, the call expected, the shell's answer.
struct Tick {
    uint32_t atMs;
    TrayIconState icon;
    ShellCall call;
    ShellAnswer answer = ShellAnswer::Done;
};

const TrayIconState kShown{true, false, true, false};
const TrayIconState kRemoved{false, false, true, false};
const TrayIconState kRetrying{false, true, true, false};
const TrayIconState kNewShell{true, false, true, true};
const TrayIconState kNoShell{true, false, false, false};

void Play(const std::vector<Tick>& ticks) {
    TrayUpdatePolicy policy;
    for (size_t i = 0; i < ticks.size(); ++i) {
        const Tick& t = ticks[i];
        ShellCall call = policy.Next(t.atMs, t.icon);
        ASSERT_EQ(call, t.call) << "tick " << i << " at " << t.atMs << " ms";
        if (call != ShellCall::None) policy.Answered(call, t.answer, t.atMs);
    }
}

TEST(TrayUpdatePolicy, ABusyShellIsAskedAgainAfterAGrowingPause) {
    Play({
        {0, kShown, ShellCall::Modify},
        {1000, kShown, ShellCall::Modify, ShellAnswer::Busy},  // no delete, no add
        {1500, kShown, ShellCall::None},
        {2999, kShown, ShellCall::None},
        {3000, kShown, ShellCall::Modify, ShellAnswer::Busy},  // paused 2 s, then 4 s
        {6999, kShown, ShellCall::None},
        {7000, kShown, ShellCall::Modify, ShellAnswer::Busy},  // 8 s next
        {14999, kShown, ShellCall::None},
        {15000, kShown, ShellCall::Modify},  // it answers: ticks modify again
        {16000, kShown, ShellCall::Modify, ShellAnswer::Busy},
        {17999, kShown, ShellCall::None},  // the pause starts short again
        {18000, kShown, ShellCall::Modify},
    });
}

TEST(TrayUpdatePolicy, AnIconTheShellHasNotIsAddedAgainOneCallATick) {
    Play({
        {0, kShown, ShellCall::Modify, ShellAnswer::Refused},
        {50, kShown, ShellCall::Delete, ShellAnswer::Refused},  // at once, the first time
        {100, kRemoved, ShellCall::Add},
        {150, kShown, ShellCall::Modify},
        {200, kShown, ShellCall::Modify, ShellAnswer::Refused},
        {250, kShown, ShellCall::Delete},
        {300, kRemoved, ShellCall::Add},
        // Refused again right after the add: not every tick.
        {350, kShown, ShellCall::Modify, ShellAnswer::Refused},
        {400, kShown, ShellCall::None},
        {2350, kShown, ShellCall::Delete},
        {2400, kRemoved, ShellCall::Add},
        {2450, kShown, ShellCall::Modify, ShellAnswer::Refused},
        {6449, kShown, ShellCall::None},
        {6450, kShown, ShellCall::Delete},
    });
}

TEST(TrayUpdatePolicy, ANewNotificationAreaGetsTheIconAgain) {
    Play({
        {0, kShown, ShellCall::Modify},
        {50, kNoShell, ShellCall::None},  // the shell is away: nobody to ask
        {100, kNoShell, ShellCall::None},
        {150, kNewShell, ShellCall::Delete},
        {200, kRemoved, ShellCall::Add},
        {250, kShown, ShellCall::Modify},
    });
}

TEST(TrayUpdatePolicy, ARefusedAddIsLeftToTheIconsOwnRetries) {
    Play({
        {0, kShown, ShellCall::Modify, ShellAnswer::Refused},
        {50, kShown, ShellCall::Delete},
        {100, kRemoved, ShellCall::Add, ShellAnswer::Refused},
        {150, kRetrying, ShellCall::None},
        {2100, kRetrying, ShellCall::None},
        {3000, kShown, ShellCall::Modify},  // the retry took it
        // The retries gave up: the graph starts them again, after its pause.
        {3050, kShown, ShellCall::Modify, ShellAnswer::Refused},
        {3100, kShown, ShellCall::Delete},
        {3150, kRemoved, ShellCall::Add, ShellAnswer::Busy},
        {3200, kRemoved, ShellCall::None},
        {5149, kRemoved, ShellCall::None},
        {5150, kRemoved, ShellCall::Add},
    });
}

TEST(TrayUpdatePolicy, TheTickCountMayWrap) {
    Play({
        {0xFFFFFC00u, kShown, ShellCall::Modify, ShellAnswer::Busy},  // resumes at 976
        {0xFFFFFFFFu, kShown, ShellCall::None},
        {500, kShown, ShellCall::None},
        {975, kShown, ShellCall::None},
        {976, kShown, ShellCall::Modify},
    });
}

}  // namespace
