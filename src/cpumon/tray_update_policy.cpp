#include "cpumon/tray_update_policy.h"

#include <algorithm>

namespace cpumon {
namespace {

constexpr uint32_t kErrorFileNotFound = 2;  // no notification area window was found
constexpr uint32_t kErrorTimeout = 1460;
// The shell gets four seconds; a call that took this long was not answered
// in time, whatever error it left.
constexpr uint32_t kBusyMs = 3000;

}  // namespace

ShellAnswer ClassifyShellAnswer(bool ok, uint32_t lastError, uint32_t elapsedMs) {
    if (ok) return ShellAnswer::Done;
    if (lastError == kErrorTimeout || elapsedMs >= kBusyMs) return ShellAnswer::Busy;
    if (lastError == kErrorFileNotFound) return ShellAnswer::NoShell;
    return ShellAnswer::Refused;
}

ShellCall TrayUpdatePolicy::Next(uint32_t nowMs, const TrayIconState& icon) {
    if (paused_) {
        if (static_cast<int32_t>(nowMs - resumeAtMs_) < 0) return ShellCall::None;
        paused_ = false;
    }
    // No one to ask: the shell's restart or its new window brings the icon back.
    if (!icon.ShellPresent) return ShellCall::None;
    if (!icon.Added) return icon.Retrying ? ShellCall::None : ShellCall::Add;
    if (icon.ShellChanged || deleteNext_) return ShellCall::Delete;
    return ShellCall::Modify;
}

void TrayUpdatePolicy::Answered(ShellCall call, ShellAnswer answer, uint32_t nowMs) {
    switch (call) {
        case ShellCall::Modify:
            if (answer == ShellAnswer::Done) {
                pauseMs_ = kFirstPauseMs;
                readdsSinceModify_ = 0;
            } else if (answer == ShellAnswer::Refused) {
                // Gone: added again, at once the first time; a shell that
                // keeps refusing what it just took is not asked every tick.
                deleteNext_ = true;
                if (readdsSinceModify_ > 0) Pause(nowMs);
            } else {
                Pause(nowMs);
            }
            break;
        case ShellCall::Delete:
            deleteNext_ = false;
            if (answer == ShellAnswer::Busy) Pause(nowMs);
            break;
        case ShellCall::Add:
            if (answer == ShellAnswer::Done)
                ++readdsSinceModify_;
            else
                Pause(nowMs);
            break;
        case ShellCall::None:
            break;
    }
}

void TrayUpdatePolicy::Pause(uint32_t nowMs) {
    paused_ = true;
    resumeAtMs_ = nowMs + pauseMs_;
    pauseMs_ = std::min(pauseMs_ * 2, kLongestPauseMs);
}

}  // namespace cpumon
