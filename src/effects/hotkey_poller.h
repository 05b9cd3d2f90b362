// Steps 1 to 4 of every tick: each configured key that is down applies its
// effect to the window under the cursor, found afresh for every step.
#pragma once

#include <cstdint>

#include "effects/companion_starter.h"
#include "settings/loaded_settings.h"

namespace effects {

class HotkeyPoller {
  public:
    // With `wholeWindow` the steps act on the top-level window under the cursor.
    void Poll(const settings::HotkeySettings& keys, int32_t alphaIndex, bool wholeWindow);

  private:
    CompanionStarter companions_;
};

}  // namespace effects
