// The graph's icons: what they show, and that bitmaps the system refused are
// asked for again at the next icon rather than never.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "cpumon/graph_icon.h"
#include "harness.h"

namespace forms {
namespace {

int gAsked = 0;
int gRefusals = 0;

HBITMAP RefusedAtFirst(uint32_t** bits) {
    ++gAsked;
    if (gRefusals > 0) {
        --gRefusals;
        *bits = nullptr;
        return nullptr;
    }
    return cpumon::MakeGraphBitmap(bits);
}

// An icon's colour pixels (0x00RRGGBB, top-down) and its AND mask.
struct IconPixels {
    std::vector<uint32_t> Colour;
    std::vector<uint32_t> Mask;  // 0 where the colour shows
};

IconPixels Read(HICON icon) {
    ICONINFO ii{};
    EXPECT_TRUE(GetIconInfo(icon, &ii));
    IconPixels out{e2e::Pixels16(ii.hbmColor), e2e::Pixels16(ii.hbmMask)};
    DeleteObject(ii.hbmColor);
    DeleteObject(ii.hbmMask);
    return out;
}

TEST(GraphIcon, RefusedBitmapsAreAskedForAgainAtTheNextIcon) {
    gAsked = 0;
    gRefusals = 2;
    cpumon::GraphIconMaker maker(&RefusedAtFirst);
    EXPECT_EQ(gAsked, 0) << "nothing is made before the first icon is needed";
    cpumon::CpuHistory16 history{};
    history[15] = 15;
    auto pixels = cpumon::RenderCpuGraph(history, 0x0000FF, 0xC0C0C0);
    EXPECT_FALSE(maker.Make(pixels));
    EXPECT_FALSE(maker.Make(pixels));
    auto icon = maker.Make(pixels);
    ASSERT_TRUE(icon) << "the third tick gets its bitmap and its icon";
    EXPECT_EQ(gAsked, 3);

    IconPixels got = Read(icon.get());
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            bool drawn = x == 15 || y == 15;
            size_t i = static_cast<size_t>(y * 16 + x);
            EXPECT_EQ(got.Mask[i] & 0xFFFFFF, drawn ? 0u : 0xFFFFFFu) << x << "," << y;
            if (drawn) {
                EXPECT_EQ(got.Colour[i] & 0xFFFFFF, 0xFF0000u) << x << "," << y;
            }
        }
    }
    // Made once, the bitmaps serve every later icon.
    EXPECT_TRUE(maker.Make(pixels));
    EXPECT_EQ(gAsked, 3);
}

}  // namespace
}  // namespace forms
