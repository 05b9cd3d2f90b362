// A small RGB picture and the two raster copies the tray frames are made with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace companion {

// 0x00RRGGBB.
using Colour = uint32_t;

constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) {
    return (Colour{r} << 16) | (Colour{g} << 8) | Colour{b};
}

struct Image {
    Image() = default;
    Image(int w, int h, Colour fill = 0)
        : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

    Colour& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    Colour at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }

    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // rows top to bottom
};

// The two raster operations the composition uses, bit for bit as GDI does them.
enum class RasterOp {
    And,    // SRCAND: destination AND source
    Paint,  // SRCPAINT: destination OR source
};

// Copies a w x h block of src at (sx, sy) to dst at (dx, dy) with op. Parts of
// the block outside either picture are left out, as a clipped BitBlt would.
void Blit(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h, RasterOp op);

}  // namespace companion
