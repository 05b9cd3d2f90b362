// The middle-button gesture: hold the button over a window and move away to
// fade it; the indicator near the start point shows the opacity.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "effects/frm_cnt.h"

namespace effects {

class SmoothFade {
  public:
    // Step 5 of a tick. smsMode: -1 off, 0 armed, 1 in progress.
    void Step(int32_t& smsMode);
    // The gesture was switched off while one was running: take the
    // indicator away, since no later step will.
    void Abandon() { SmsIndicator.reset(); }

    int32_t SmsStartX = 0;
    int32_t SmsStartY = 0;
    HWND SmsTarget = nullptr;
    int32_t SmsPercent = 100;
    std::unique_ptr<FrmCnt> SmsIndicator;

  private:
    void Begin();
    void Fade();
};

}  // namespace effects
