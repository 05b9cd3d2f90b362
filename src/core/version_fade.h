// The version dialog's fade-in: alpha 0 to 200 over one second. No <windows.h>.
#pragma once

#include <cstdint>

namespace core {

inline constexpr uint32_t kFadeMs = 1000;
inline constexpr int kFadeEndAlpha = 200;

// Milliseconds between two readings of a 32-bit millisecond counter; right
// across the counter's wrap (every 49.7 days), never negative.
inline uint32_t ElapsedMs(uint32_t start, uint32_t now) {
    return now - start;
}

// The alpha `elapsedMs` into the fade, to the nearest integer; 200 from the end on.
int FadeAlpha(uint32_t elapsedMs);

}  // namespace core
