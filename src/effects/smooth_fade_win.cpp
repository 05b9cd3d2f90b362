#include "effects/smooth_fade.h"

#include "common/dpi.h"
#include "effects/effect_result.h"
#include "effects/smooth_alpha.h"
#include "effects/window_effects.h"

namespace effects {

void SmoothFade::Enable(bool on) {
    state_ = on ? FadeGesture::Armed : FadeGesture::Off;
    if (!on) indicator_.reset();
}

std::optional<Notice> SmoothFade::Step(bool wholeWindow) {
    if (state_ == FadeGesture::Off) return std::nullopt;
    if (GetAsyncKeyState(VK_MBUTTON) >= 0) {
        state_ = FadeGesture::Armed;
        indicator_.reset();
        return std::nullopt;
    }
    if (state_ == FadeGesture::Armed) {
        state_ = FadeGesture::Running;
        Begin(wholeWindow);
    }
    if (blocked_) return std::nullopt;
    return Fade();
}

void SmoothFade::Begin(bool wholeWindow) {
    GetCursorPos(&start_);
    target_ = TargetAt(start_, wholeWindow);
    blocked_ = false;
}

std::optional<Notice> SmoothFade::Fade() {
    POINT p{};
    GetCursorPos(&p);
    int percent = PercentForDistance(start_.x - p.x, start_.y - p.y);
    // A hung target is tried again next tick.
    std::optional<Notice> notice = NoticeFor(changer_.Opacity(target_, percent));
    if (notice) {
        blocked_ = true;
        indicator_.reset();
        return notice;
    }
    if (!indicator_) {
        indicator_ = std::make_unique<FadeIndicator>();
        // Sized for the monitor the gesture starts on; the cursor lies inside
        // the oval, 20 pixels from its left and 10 from its top at 96 DPI.
        indicator_->Show(start_, common::MonitorDpiAt(start_));
    }
    indicator_->SetCaption(PercentCaption(percent));
    return std::nullopt;
}

}  // namespace effects
