// The 16 x 16 bar graph of the processor load that the tray icon shows.
// No <windows.h>.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cpumon {

inline constexpr int kGraphSize = 16;
// Pixels of exactly this colour number come out transparent.
inline constexpr uint32_t kGraphMaskColour = 0xC0C0C0;

using CpuHistory16 = std::array<int32_t, kGraphSize>;

struct Pixels16 {
    // 0x00RRGGBB, rows top-down: the memory layout of a top-down 32-bit DIB.
    // A transparent pixel holds 0, so the icon's colour image leaves the
    // screen alone there.
    std::array<uint32_t, kGraphSize * kGraphSize> Colour{};
    std::array<bool, kGraphSize * kGraphSize> Transparent{};

    uint32_t At(int x, int y) const { return Colour[Index(x, y)]; }
    bool ClearAt(int x, int y) const { return Transparent[Index(x, y)]; }
    static size_t Index(int x, int y) { return static_cast<size_t>(y * kGraphSize + x); }
};

// The column height for a load in percent: floor(load / 6.66666), so 0..6
// give 0, 93 gives 13 and 100 gives 15.
int32_t GraphHeight(int32_t load);

// Drops the oldest column (index 0) and puts the height of `load` at 15.
void PushLoad(CpuHistory16& history, int32_t load);

// Column i is filled from row 15 - history[i] down to the bottom row, in the
// drawing colour; everything else is the background. Colours are colour
// numbers 0x00BBGGRR as stored; a negative height draws nothing, a height
// above 15 fills the column.
Pixels16 RenderCpuGraph(const CpuHistory16& history, uint32_t drawColour, uint32_t backColour);

// The icon's AND mask: 16 rows of two bytes, leftmost pixel in the high bit,
// a set bit for a transparent pixel (the layout of a monochrome bitmap).
std::array<uint8_t, 2 * kGraphSize> MaskBits(const Pixels16& pixels);

}  // namespace cpumon
