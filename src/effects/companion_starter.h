// The tray step: park the window under the cursor with its own companion
// process, or (Shift) ask that companion to give the window back.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/non_copyable.h"
#include "effects/launch_tracker.h"
#include "effects/notice_texts.h"

namespace effects {

class CompanionStarter : common::NonCopyable {
  public:
    CompanionStarter() = default;
    ~CompanionStarter();

    // The step for a target that passed the child test; reads Shift itself,
    // after the look-up, as the step always did. A notice when Corvel.exe
    // could not be started.
    std::optional<Notice> TrayStep(HWND target);

    // Forgets launches whose window appeared or whose process ended. Cheap
    // while nothing is starting.
    void Settle();

  private:
    std::optional<Notice> Start(int32_t handle);

    LaunchTracker launches_;
};

}  // namespace effects
