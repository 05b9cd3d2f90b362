// The middle-button fade: distance from the start point to opacity, alpha
// and the indicator's text.
#pragma once

#include <cstdint>
#include <string>

namespace effects {

inline constexpr int kLowestPercent = 10;

// 100 - floor(distance / 2), never below 10: two pixels per percent.
int PercentForDistance(int32_t dx, int32_t dy);

// The layered alpha of an opacity percent, halves to even (50 gives 128).
int AlphaOfPercent(int percent);

// Three digits with leading zeros and a percent sign: "100%", "073%", "010%".
std::wstring PercentCaption(int percent);

}  // namespace effects
