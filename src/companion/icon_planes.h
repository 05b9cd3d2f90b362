// A composed frame split into the two planes an icon is made of.
#pragma once

#include <cstdint>
#include <vector>

#include "companion/raster.h"

namespace companion {

struct IconPlanes {
    // 1 bit a pixel, most significant bit first, each row padded to 16 bits
    // (the layout CreateBitmap takes); 1 = transparent.
    std::vector<uint8_t> mask;
    // 0x00RRGGBB a pixel, rows top to bottom; black where transparent, so
    // the XOR step leaves the screen as it is there.
    std::vector<Colour> colour;
};

// Every pixel of exactly the colour `transparent` becomes see-through, wherever
// it came from (background, tray artwork or the window icon).
IconPlanes SplitTransparent(const Image& frame, Colour transparent);

}  // namespace companion
