// The middle-button gesture: hold the button over a window and move away to
// fade it; the indicator near the start point shows the opacity. A window
// the fade cannot change shows no percentage: the user is told why instead.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "effects/fade_indicator.h"
#include "effects/notice_texts.h"
#include "effects/window_changer.h"

namespace effects {

enum class FadeGesture {
    Off,      // switched off in the options
    Armed,    // waiting for the middle button
    Running,  // the button is held: the window under the start point fades
};

class SmoothFade {
  public:
    explicit SmoothFade(WindowChanger& changer) : changer_(changer) {}

    // One step of the polling tick; the notice to show, once per gesture. A
    // gesture that starts with `wholeWindow` fades the top-level window under
    // the cursor.
    std::optional<Notice> Step(bool wholeWindow);
    // On arms the gesture afresh; off also takes a running gesture's
    // indicator away, since no later step will.
    void Enable(bool on);
    FadeGesture State() const { return state_; }

  private:
    void Begin(bool wholeWindow);
    std::optional<Notice> Fade();

    WindowChanger& changer_;
    FadeGesture state_ = FadeGesture::Off;
    POINT start_{};
    HWND target_ = nullptr;
    bool blocked_ = false;  // the window cannot be faded: nothing more this gesture
    std::unique_ptr<FadeIndicator> indicator_;
};

}  // namespace effects
