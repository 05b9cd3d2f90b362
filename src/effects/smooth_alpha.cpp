#include "effects/smooth_alpha.h"

#include <algorithm>
#include <cmath>

namespace effects {

int PercentForDistance(int32_t dx, int32_t dy) {
    // Squared in double: screen coordinates far apart would overflow 32 bits.
    double x = dx, y = dy;
    double d = std::sqrt(x * x + y * y);
    double percent = 100.0 - std::floor(d / 2.0);
    return static_cast<int>(std::max(percent, static_cast<double>(kLowestPercent)));
}

int AlphaOfPercent(int percent) {
    // Percent over a hundred first, then times 255: the order the rounding
    // of the halves (10, 30, 50, 70, 90) was always taken in.
    double alpha = std::nearbyint(static_cast<double>(percent) / 100.0 * 255.0);
    return static_cast<int>(std::clamp(alpha, 0.0, 255.0));
}

std::wstring PercentCaption(int percent) {
    std::wstring digits = std::to_wstring(percent);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), L'0');
    return digits + L"%";
}

}  // namespace effects
