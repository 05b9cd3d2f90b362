// When an effect fails, the user is told once per press of its key, not on
// every tick the key stays down. A press begins when a key seen up (or never
// seen) is seen down. Fed from whatever watches the keys: the polling tick or
// input events. No <windows.h>.
#pragma once

#include <array>
#include <cstddef>

namespace effects {

enum class PressKey : size_t { Alpha, OnTop, Taskbar, TrayPark, Count };

class PressNotices {
  public:
    // Every look at a key's state.
    void Observe(PressKey key, bool down);
    // True once in each press, while the key is down; false otherwise.
    bool Claim(PressKey key);

  private:
    struct State {
        bool Down = false;
        bool Told = false;
    };
    std::array<State, static_cast<size_t>(PressKey::Count)> keys_{};
};

}  // namespace effects
