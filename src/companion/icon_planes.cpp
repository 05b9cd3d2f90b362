#include "companion/icon_planes.h"

#include <cstddef>

namespace companion {

IconPlanes SplitTransparent(const Image& frame, Colour transparent) {
    IconPlanes planes;
    size_t rowBytes = ((static_cast<size_t>(frame.width) + 15) / 16) * 2;
    planes.mask.assign(rowBytes * frame.height, 0);
    planes.colour = frame.pixels;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            Colour& c = planes.colour[static_cast<size_t>(y) * frame.width + x];
            c &= 0xFFFFFF;
            if (c != (transparent & 0xFFFFFF)) continue;
            planes.mask[y * rowBytes + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            c = 0;
        }
    }
    return planes;
}

}  // namespace companion
