#include "effects/indicator_geometry.h"

#include <cstdint>

namespace effects {
namespace {

int RoundedRatio(int64_t num, int64_t den) {
    int64_t half = den / 2;
    return static_cast<int>(num >= 0 ? (num + half) / den : (num - half) / den);
}

}  // namespace

int ScaleFrom96(int pixels, int dpi) {
    return RoundedRatio(static_cast<int64_t>(pixels) * dpi, 96);
}

IndicatorGeometry IndicatorGeometryAt(int dpi) {
    if (dpi <= 0) dpi = 96;
    auto s = [dpi](int pixels) { return ScaleFrom96(pixels, dpi); };
    IndicatorGeometry g;
    g.CursorX = s(20);
    g.CursorY = s(10);
    g.Width = s(50);
    g.Height = s(21);
    g.OvalWidth = s(49);
    g.OvalHeight = s(21);
    g.LabelLeft = s(12);
    g.LabelTop = s(4);
    g.LabelWidth = s(24);
    g.LabelHeight = s(12);
    g.FontHeight = -RoundedRatio(int64_t{9} * dpi, 72);
    return g;
}

}  // namespace effects
