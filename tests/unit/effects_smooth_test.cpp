#include <gtest/gtest.h>

#include "effects/smooth_alpha.h"

namespace {

using effects::AlphaOfPercent;
using effects::PercentCaption;
using effects::PercentForDistance;

TEST(PercentForDistance, TwoPixelsPerPercentDownToTen) {
    struct Case {
        int dx, dy, percent;
    };
    const Case cases[] = {
        {0, 0, 100},
        {1, 0, 100},
        {0, -1, 100},
        {2, 0, 99},
        {3, 0, 99},
        {1, 1, 100},  // 1.41 pixels
        {20, 0, 90},
        {-12, 16, 90},
        {0, 21, 90},
        {-60, -80, 50},
        {100, 0, 50},
        {178, 0, 11},
        {179, 0, 11},
        {180, 0, 10},
        {200, 0, 10},
        {-3000, 4000, 10},
        // Far apart: a 32-bit square would overflow and come out near the start.
        {50000, 50000, 10},
        {-2147483647, 0, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PercentForDistance(c.dx, c.dy), c.percent) << c.dx << "," << c.dy;
}

TEST(AlphaOfPercent, HalvesGoToTheEvenNeighbour) {
    const std::pair<int, int> cases[] = {{100, 255}, {99, 252}, {90, 230}, {70, 178},
                                         {50, 128},  {30, 76},  {11, 28},  {10, 26}};
    for (auto [percent, alpha] : cases) EXPECT_EQ(AlphaOfPercent(percent), alpha) << percent;
}

TEST(PercentCaption, ThreeDigitsAndPercent) {
    EXPECT_EQ(PercentCaption(100), L"100%");
    EXPECT_EQ(PercentCaption(73), L"073%");
    EXPECT_EQ(PercentCaption(10), L"010%");
    EXPECT_EQ(PercentCaption(5), L"005%");
}

}  // namespace
