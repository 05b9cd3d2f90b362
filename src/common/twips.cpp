#include "common/twips.h"

#include <cstdint>

namespace common {

int TwipsToPixels(int twips, int dpi) {
    int64_t scaled = static_cast<int64_t>(twips) * dpi;
    int64_t half = 720;  // 1440 / 2
    return static_cast<int>(scaled >= 0 ? (scaled + half) / 1440 : (scaled - half) / 1440);
}

PixelRect TwipsToPixels(const TwipsRect& r, int dpi) {
    PixelRect p;
    p.Left = TwipsToPixels(r.Left, dpi);
    p.Top = TwipsToPixels(r.Top, dpi);
    p.Width = TwipsToPixels(r.Left + r.Width, dpi) - p.Left;
    p.Height = TwipsToPixels(r.Top + r.Height, dpi) - p.Top;
    return p;
}

}  // namespace common
