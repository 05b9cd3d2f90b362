#include "cpumon/cpu_graph.h"

#include <algorithm>
#include <cmath>

namespace cpumon {
namespace {

// Colour number (blue in the high byte) to the DIB's red-high order.
uint32_t DibColour(uint32_t colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

}  // namespace

int32_t GraphHeight(int32_t load) {
    return static_cast<int32_t>(std::floor(static_cast<double>(load) / 6.66666));
}

void PushLoad(CpuHistory16& history, int32_t load) {
    std::copy(history.begin() + 1, history.end(), history.begin());
    history.back() = GraphHeight(load);
}

Pixels16 RenderCpuGraph(const CpuHistory16& history, uint32_t drawColour, uint32_t backColour) {
    Pixels16 out;
    for (int x = 0; x < kGraphSize; ++x) {
        // Rows 15 - h .. 15, clipped to the canvas.
        int top = kGraphSize - 1 - std::clamp(history[static_cast<size_t>(x)], -1, kGraphSize);
        for (int y = 0; y < kGraphSize; ++y) {
            uint32_t colour = (y >= top ? drawColour : backColour) & 0xFFFFFF;
            bool clear = colour == kGraphMaskColour;
            out.Colour[Pixels16::Index(x, y)] = clear ? 0 : DibColour(colour);
            out.Transparent[Pixels16::Index(x, y)] = clear;
        }
    }
    return out;
}

std::array<uint8_t, 2 * kGraphSize> MaskBits(const Pixels16& pixels) {
    std::array<uint8_t, 2 * kGraphSize> bits{};
    for (int y = 0; y < kGraphSize; ++y)
        for (int x = 0; x < kGraphSize; ++x)
            if (pixels.ClearAt(x, y))
                bits[static_cast<size_t>(y * 2 + x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
    return bits;
}

}  // namespace cpumon
