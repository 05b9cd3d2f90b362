// Window geometry is given in twips (1440 an inch, 15 a pixel at 96 DPI);
// windows are placed in pixels at the DPI they are shown at. No <windows.h>.
#pragma once

namespace common {

struct TwipsRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

struct PixelRect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Rounded to the nearest pixel, halves away from zero.
int TwipsToPixels(int twips, int dpi);

// Both edges are converted, so neighbouring controls keep touching at any DPI.
PixelRect TwipsToPixels(const TwipsRect& r, int dpi);

}  // namespace common
