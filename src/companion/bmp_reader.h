// Reads the uncompressed 24-bit .bmp files the program keeps its artwork in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "companion/raster.h"

namespace companion {

// A whole .bmp file (file header, BITMAPINFOHEADER or later, 24 bits per pixel,
// no compression, bottom-up or top-down). Anything else, or a file too short
// for what its headers claim, gives nothing.
std::optional<Image> ReadBmp24(std::span<const uint8_t> file);

}  // namespace companion
