// The tray step: park the window under the cursor with its own companion
// process, or (Shift) ask that companion to give the window back.
#pragma once

#include <windows.h>

#include <cstdint>

#include "effects/companion_launch.h"

namespace effects {

inline constexpr UINT kCompanionRelease = WM_USER + 2;  // 1026
inline constexpr WPARAM kReleaseWParam = 964;
inline constexpr LPARAM kReleaseLParam = 4649;

class CompanionStarter {
  public:
    CompanionStarter() = default;
    CompanionStarter(const CompanionStarter&) = delete;
    CompanionStarter& operator=(const CompanionStarter&) = delete;
    ~CompanionStarter();

    // The step for a target that passed the child test; reads Shift itself,
    // after the look-up, as the step always did.
    void TrayStep(HWND target);

    // Forgets launches whose window appeared or whose process ended. Cheap
    // while nothing is starting.
    void Settle();
    bool Idle() const { return launches_.Empty(); }

  private:
    void Start(int32_t handle);

    LaunchTracker launches_;
};

}  // namespace effects
