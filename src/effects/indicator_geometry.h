// The fade indicator's geometry at the DPI of the monitor it shows on. It is
// drawn at 96 DPI in pixels (750 x 315 twips) and scaled as a whole, so the
// oval, the text and the cursor's place in the oval keep their arrangement.
// No <windows.h>.
#pragma once

namespace effects {

struct IndicatorGeometry {
    int CursorX = 0, CursorY = 0;  // the cursor's place from the window's top-left corner
    int Width = 0, Height = 0;     // the window
    int OvalWidth = 0, OvalHeight = 0;
    int LabelLeft = 0, LabelTop = 0;
    int LabelWidth = 0, LabelHeight = 0;  // until the font in use is measured
    int FontHeight = 0;                   // negative: the 9-point character height
    friend bool operator==(const IndicatorGeometry&, const IndicatorGeometry&) = default;
};

// Pixels at 96 DPI scaled to `dpi`, halves away from zero (as MulDiv rounds).
int ScaleFrom96(int pixels, int dpi);

IndicatorGeometry IndicatorGeometryAt(int dpi);

}  // namespace effects
