// The middle-button gesture: hold the button over a window and move away to
// fade it; the indicator near the start point shows the opacity.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "effects/fade_indicator.h"

namespace effects {

enum class FadeGesture {
    Off,      // switched off in the options
    Armed,    // waiting for the middle button
    Running,  // the button is held: the window under the start point fades
};

class SmoothFade {
  public:
    // One step of the polling tick; a gesture that starts with
    // `wholeWindow` fades the top-level window under the cursor.
    void Step(bool wholeWindow);
    // On arms the gesture afresh; off also takes a running gesture's
    // indicator away, since no later step will.
    void Enable(bool on);
    FadeGesture State() const { return state_; }

  private:
    void Begin(bool wholeWindow);
    void Fade();

    FadeGesture state_ = FadeGesture::Off;
    POINT start_{};
    HWND target_ = nullptr;
    std::unique_ptr<FadeIndicator> indicator_;
};

}  // namespace effects
