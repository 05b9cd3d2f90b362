#include "effects/alpha_rate.h"

#include <algorithm>
#include <cmath>

namespace effects {

int AlphaFromIndex(int alphaIndex) {
    int32_t scaled = (alphaIndex + 1) * 255 * 10;
    double alpha = std::nearbyint(static_cast<double>(scaled) / 100.0);
    return static_cast<int>(std::clamp(alpha, 0.0, 255.0));
}

std::wstring RateCaption(int alphaIndex) {
    return std::to_wstring(9 - alphaIndex) + L"0%";
}

}  // namespace effects
