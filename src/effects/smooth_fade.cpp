#include "effects/smooth_fade.h"

#include "effects/smooth_alpha.h"
#include "effects/window_effects.h"

namespace effects {

void SmoothFade::Step(int32_t& smsMode) {
    if (smsMode == -1) return;
    if (GetAsyncKeyState(VK_MBUTTON) >= 0) {
        smsMode = 0;
        SmsIndicator.reset();
        return;
    }
    if (smsMode == 0) {
        smsMode = 1;
        Begin();
    }
    Fade();
}

void SmoothFade::Begin() {
    POINT p{};
    GetCursorPos(&p);
    SmsStartY = p.y;
    SmsStartX = p.x;
    SmsTarget = WindowFromPoint(p);
    SmsIndicator = std::make_unique<FrmCnt>();
    // The cursor lies inside the oval, 20 pixels from its left and 10 from its top.
    SmsIndicator->Show(p.x - 20, p.y - 10);
}

void SmoothFade::Fade() {
    POINT p{};
    GetCursorPos(&p);
    SmsPercent = effects::SmsPercent(SmsStartX - p.x, SmsStartY - p.y);
    if (SmsIndicator) SmsIndicator->SetCaption(PercentCaption(SmsPercent));
    LONG ex = GetWindowLongW(SmsTarget, GWL_EXSTYLE);
    bool layered = (ex & WS_EX_LAYERED) == WS_EX_LAYERED;
    // A style change waits for the target: a hung one is tried again next tick.
    if ((SmsPercent != 100 || layered) && !Answers(SmsTarget)) return;
    if (SmsPercent == 100) {
        if (layered)
            SetWindowLongW(SmsTarget, GWL_EXSTYLE,
                           GetWindowLongW(SmsTarget, GWL_EXSTYLE) & ~WS_EX_LAYERED);
        return;
    }
    SetWindowLongW(SmsTarget, GWL_EXSTYLE, GetWindowLongW(SmsTarget, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(SmsTarget, 0, static_cast<BYTE>(SmsAlpha(SmsPercent)), LWA_ALPHA);
}

}  // namespace effects
