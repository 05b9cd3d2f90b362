#include <gtest/gtest.h>

#include "effects/indicator_geometry.h"

namespace {

using effects::IndicatorGeometry;
using effects::IndicatorGeometryAt;

TEST(IndicatorGeometry, ScaledAsAWholeFromItsDesignAt96Dpi) {
    struct Case {
        int dpi;
        IndicatorGeometry g;
    };
    // cursor, window, oval, label place, label size, font height
    const Case cases[] = {
        {96, {20, 10, 50, 21, 49, 21, 12, 4, 24, 12, -12}},
        {120, {25, 13, 63, 26, 61, 26, 15, 5, 30, 15, -15}},  // halves away from zero
        {144, {30, 15, 75, 32, 74, 32, 18, 6, 36, 18, -18}},
        {192, {40, 20, 100, 42, 98, 42, 24, 8, 48, 24, -24}},
        {288, {60, 30, 150, 63, 147, 63, 36, 12, 72, 36, -36}},
        {0, {20, 10, 50, 21, 49, 21, 12, 4, 24, 12, -12}},  // unknown: as at 96
    };
    for (const auto& c : cases) EXPECT_EQ(IndicatorGeometryAt(c.dpi), c.g) << c.dpi;
}

TEST(IndicatorGeometry, TheCursorStaysInsideTheOval) {
    for (int dpi = 72; dpi <= 480; dpi += 12) {
        IndicatorGeometry g = IndicatorGeometryAt(dpi);
        double rx = g.OvalWidth / 2.0, ry = g.OvalHeight / 2.0;
        double dx = (g.CursorX - rx) / rx, dy = (g.CursorY - ry) / ry;
        EXPECT_LT(dx * dx + dy * dy, 1.0) << dpi;
        EXPECT_LE(g.OvalWidth, g.Width) << dpi;
        EXPECT_LE(g.LabelLeft + g.LabelWidth, g.OvalWidth) << dpi;
    }
}

}  // namespace
