#include "effects/smooth_fade.h"

#include "common/dpi.h"
#include "common/window_helpers.h"
#include "effects/smooth_alpha.h"
#include "effects/window_effects.h"

namespace effects {

void SmoothFade::Enable(bool on) {
    state_ = on ? FadeGesture::Armed : FadeGesture::Off;
    if (!on) indicator_.reset();
}

void SmoothFade::Step(bool wholeWindow) {
    if (state_ == FadeGesture::Off) return;
    if (GetAsyncKeyState(VK_MBUTTON) >= 0) {
        state_ = FadeGesture::Armed;
        indicator_.reset();
        return;
    }
    if (state_ == FadeGesture::Armed) {
        state_ = FadeGesture::Running;
        Begin(wholeWindow);
    }
    Fade();
}

void SmoothFade::Begin(bool wholeWindow) {
    GetCursorPos(&start_);
    target_ = TargetAt(start_, wholeWindow);
    indicator_ = std::make_unique<FadeIndicator>();
    // Sized for the monitor the gesture starts on; the cursor lies inside
    // the oval, 20 pixels from its left and 10 from its top at 96 DPI.
    indicator_->Show(start_, common::MonitorDpiAt(start_));
}

void SmoothFade::Fade() {
    POINT p{};
    GetCursorPos(&p);
    int percent = PercentForDistance(start_.x - p.x, start_.y - p.y);
    if (indicator_) indicator_->SetCaption(PercentCaption(percent));
    bool layered = common::HasExStyleBit(target_, WS_EX_LAYERED);
    if (layered != (percent != 100)) {
        // A style change waits for the target: a hung one is tried again next tick.
        if (!Answers(target_)) return;
        common::SetExStyleBit(target_, WS_EX_LAYERED, percent != 100);
    }
    if (percent != 100)
        SetLayeredWindowAttributes(target_, 0, static_cast<BYTE>(AlphaOfPercent(percent)),
                                   LWA_ALPHA);
}

}  // namespace effects
