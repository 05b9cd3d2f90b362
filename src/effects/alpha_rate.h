// The nine transparency rates.
#pragma once

#include <cstdint>
#include <string>

namespace effects {

inline constexpr int kRateCount = 9;

// (index + 1) x 25.5, halves to even: 26, 51, 76, 102, 128, 153, 178, 204, 230.
int AlphaFromIndex(int alphaIndex);

// "90%" for index 0 down to "10%" for index 8.
std::wstring RateCaption(int alphaIndex);

}  // namespace effects
