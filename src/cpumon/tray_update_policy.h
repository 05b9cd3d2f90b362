// Which one shell call the CPU graph makes at a tick. Against a shell that
// hangs every call waits seconds, so no tick makes more than one, a call that
// timed out is tried again only after a pause that grows, and the icon is
// deleted and added again only when it is really gone: the shell said it has
// no such icon, or the notification area is another window than the one it
// was added to. No <windows.h>.
#pragma once

#include <cstdint>

namespace cpumon {

enum class ShellCall { None, Modify, Delete, Add };

enum class ShellAnswer {
    Done,
    Refused,  // the shell answered no: for a modify, it has no such icon
    Busy,     // it did not answer in time
    NoShell,  // there was no notification area to ask
};

// A call's answer from its result, the error it left and how long it took.
ShellAnswer ClassifyShellAnswer(bool ok, uint32_t lastError, uint32_t elapsedMs);

// What is known of the icon before the tick's call.
struct TrayIconState {
    bool Added = false;         // the shell took it, as far as is known
    bool Retrying = false;      // being added again on a timer of its own
    bool ShellPresent = false;  // a notification area window exists
    bool ShellChanged = false;  // and it is not the one the icon was added to
};

class TrayUpdatePolicy {
  public:
    static constexpr uint32_t kFirstPauseMs = 2000;
    static constexpr uint32_t kLongestPauseMs = 64000;

    // The call to make now (`nowMs` a tick count that may wrap).
    ShellCall Next(uint32_t nowMs, const TrayIconState& icon);
    // What the shell answered to it.
    void Answered(ShellCall call, ShellAnswer answer, uint32_t nowMs);

    uint32_t NextPauseMs() const { return pauseMs_; }

  private:
    void Pause(uint32_t nowMs);

    bool paused_ = false;
    uint32_t resumeAtMs_ = 0;
    uint32_t pauseMs_ = kFirstPauseMs;
    bool deleteNext_ = false;
    int readdsSinceModify_ = 0;
};

}  // namespace cpumon
