#include <gtest/gtest.h>

#include "cpumon/cpu_graph.h"
#include "settings/conversions.h"

using namespace cpumon;

namespace {

uint32_t Stored(const wchar_t* text) {
    return *settings::ColourFromText(text);
}

// Rows from the bottom that are not the background, checking that the column
// is one run of `draw` under `back`.
int FilledRows(const Pixels16& p, int x, uint32_t draw, uint32_t back) {
    int filled = 0;
    for (int y = kGraphSize - 1; y >= 0; --y) {
        uint32_t c = p.At(x, y);
        if (c == draw && y == kGraphSize - 1 - filled) {
            ++filled;
        } else {
            EXPECT_EQ(c, back) << "column " << x << " row " << y;
        }
    }
    return filled;
}

}  // namespace

TEST(CpuGraph, HeightOfALoad) {
    struct Case {
        int32_t load, height;
    } cases[] = {
        {0, 0},    {6, 0},   {7, 1},   {13, 1},  {14, 2},     {19, 2},
        {20, 3},   {93, 13}, {94, 14}, {99, 14}, {100, 15},   {106, 15},
        {107, 16}, {-1, -1}, {-6, -1}, {-7, -2}, {-100, -16},  // 6.66666 is a little under 20 / 3
    };
    for (const auto& c : cases) EXPECT_EQ(GraphHeight(c.load), c.height) << "load " << c.load;
}

TEST(CpuGraph, NewestLoadComesInOnTheRight) {
    CpuHistory16 h{};
    for (int i = 0; i < 16; ++i) h[static_cast<size_t>(i)] = i;  // marks the old columns
    PushLoad(h, 100);
    EXPECT_EQ(h[0], 1) << "the oldest column is dropped";
    EXPECT_EQ(h[14], 15);
    EXPECT_EQ(h[15], 15);
    PushLoad(h, 6);
    EXPECT_EQ(h[0], 2);
    EXPECT_EQ(h[14], 15);
    EXPECT_EQ(h[15], 0);
}

TEST(CpuGraph, ColumnsAreFilledFromTheBottom) {
    // The height of each column and the rows it fills: h + 1, a base line at
    // 0, nothing below 0, the whole column above 15.
    const CpuHistory16 heights = {0, 1, 13, 14, 15, 16, 40, -1, -2, -1000, 7, 0, 0, 0, 0, 2};
    const int rows[] = {1, 2, 14, 15, 16, 16, 16, 0, 0, 0, 8, 1, 1, 1, 1, 3};
    const uint32_t red = 0xFF0000, white = 0xFFFFFF;  // "0000FF" and "FFFFFF" as DIB pixels
    Pixels16 p = RenderCpuGraph(heights, Stored(L"0000FF"), Stored(L"FFFFFF"));
    for (int x = 0; x < kGraphSize; ++x) {
        EXPECT_EQ(FilledRows(p, x, red, white), rows[x]) << "column " << x;
        for (int y = 0; y < kGraphSize; ++y) EXPECT_FALSE(p.ClearAt(x, y));
    }
}

TEST(CpuGraph, FreshHistoryIsABaseLine) {
    CpuHistory16 h{};
    PushLoad(h, 93);
    Pixels16 p = RenderCpuGraph(h, Stored(L"00FF00"), Stored(L"000000"));
    for (int x = 0; x < 15; ++x) EXPECT_EQ(FilledRows(p, x, 0x00FF00, 0), 1) << "column " << x;
    EXPECT_EQ(FilledRows(p, 15, 0x00FF00, 0), 14);
}

TEST(CpuGraph, MaskColourIsTransparent) {
    struct Case {
        const wchar_t *draw, *back;
        bool drawClear, backClear;
    } cases[] = {
        {L"0000FF", L"C0C0C0", false, true},
        {L"C0C0C0", L"000000", true, false},
        {L"C0C0C0", L"C0C0C0", true, true},
        {L"C0C0C1", L"C1C0C0", false, false},  // only the exact colour
    };
    const CpuHistory16 h = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "draw " << c.draw << " back " << c.back);
        Pixels16 p = RenderCpuGraph(h, Stored(c.draw), Stored(c.back));
        for (int y : {0, 9, 10, 15}) {
            bool drawn = y >= 10;
            bool clear = drawn ? c.drawClear : c.backClear;
            EXPECT_EQ(p.ClearAt(3, y), clear) << "row " << y;
            if (clear) {
                EXPECT_EQ(p.At(3, y), 0u) << "row " << y;  // black under the mask
            }
        }
    }
}

TEST(CpuGraph, MaskBitsFollowTheTransparentPixels) {
    CpuHistory16 h;
    h.fill(-1);
    h[0] = 15;  // one full column at the left edge
    h[9] = 0;   // one base-line pixel in the second byte
    auto bits = MaskBits(RenderCpuGraph(h, Stored(L"0000FF"), Stored(L"C0C0C0")));
    for (int y = 0; y < 15; ++y) {
        EXPECT_EQ(bits[static_cast<size_t>(2 * y)], 0x7F) << "row " << y;
        EXPECT_EQ(bits[static_cast<size_t>(2 * y + 1)], 0xFF) << "row " << y;
    }
    EXPECT_EQ(bits[30], 0x7F);
    EXPECT_EQ(bits[31], 0xBF);
}
