// Steps 1 to 4 of every tick: each configured key that is down applies its
// effect to the window under the cursor, found afresh for every step. An
// effect that fails is told once per press of its key.
#pragma once

#include <cstdint>
#include <optional>

#include "effects/companion_starter.h"
#include "effects/notice_texts.h"
#include "effects/press_notices.h"
#include "effects/window_changer.h"
#include "settings/loaded_settings.h"

namespace effects {

class HotkeyPoller {
  public:
    explicit HotkeyPoller(WindowChanger& changer) : changer_(changer) {}

    // One tick; the notice to show, if any. With `wholeWindow` the steps act
    // on the top-level window under the cursor.
    std::optional<Notice> Poll(const settings::HotkeySettings& keys, int32_t alphaIndex,
                               bool wholeWindow);

  private:
    bool Down(PressKey key, int32_t vk);
    // `notice` becomes the tick's, the first time in the key's press.
    void Tell(PressKey key, std::optional<Notice> notice, std::optional<Notice>& tick);

    WindowChanger& changer_;
    CompanionStarter companions_;
    PressNotices presses_;
};

}  // namespace effects
