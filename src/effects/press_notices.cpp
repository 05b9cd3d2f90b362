#include "effects/press_notices.h"

namespace effects {

void PressNotices::Observe(PressKey key, bool down) {
    State& s = keys_[static_cast<size_t>(key)];
    if (down && !s.Down) s.Told = false;  // a new press
    s.Down = down;
}

bool PressNotices::Claim(PressKey key) {
    State& s = keys_[static_cast<size_t>(key)];
    if (!s.Down || s.Told) return false;
    s.Told = true;
    return true;
}

}  // namespace effects
