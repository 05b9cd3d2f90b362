#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "companion/bmp_reader.h"
#include "companion/frame_composition.h"
#include "companion/icon_planes.h"
#include "companion/raster.h"

namespace {

using companion::Colour;
using companion::Image;
using companion::Rgb;

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kSilver = Rgb(192, 192, 192);
constexpr Colour kFace = Rgb(0x12, 0x34, 0x56);  // a face colour unlike any artwork colour

// The tray artwork as drawn: front image, front mask, back image, back mask.
const char* const kArtwork[16][4] = {
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW", "KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWW"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWWK", "KKKKKKKKKKKKKKKK", "WWWKKKKKKKKKKKKK"},
    {"KKKKKKKKKKKKKKKK", "WWWWWWWWWWWWWWKK", "KKKSSSSSSSSSSSSK", "WWKKKKKKKKKKKKKK"},
    {"KKKKKKKKKKKKKKSK", "WWWWWWWWWWWWWKKK", "KKSSSSSSSSSSSSSK", "WKKKKKKKKKKKKKKK"},
    {"KKKKKKKKKKKKKSSK", "KKKKKKKKKKKKKKKK", "KSSSSSSSSSSSSSSK", "KKKKKKKKKKKKKKKK"},
    {"KSSSSSSSSSSSKSKK", "KKKKKKKKKKKKKKKW", "KSSSSSSSSSSSSSKK", "KKKKKKKKKKKKKKKW"},
    {"KSSSSSSSSSSSKKKK", "KKKKKKKKKKKKKKWW", "KSSSSSSSSSSSSKKK", "KKKKKKKKKKKKKKWW"},
    {"KKKKKKKKKKKKKKKK", "KKKKKKKKKKKKKWWW", "KKKKKKKKKKKKKKKK", "KKKKKKKKKKKKKWWW"},
};

Colour FromLetter(char c) {
    switch (c) {
        case 'K':
            return kBlack;
        case 'W':
            return kWhite;
        case 'S':
            return kSilver;
        case 'F':
            return kFace;
    }
    ADD_FAILURE() << "unknown letter " << c;
    return 0;
}

std::vector<uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The artwork as the program ships it.
const Image& Artwork() {
    static const Image artwork = [] {
        auto bytes = ReadFile(std::string(VITRANE_SOURCE_DIR) + "/res/tray_artwork.bmp");
        auto image = companion::ReadBmp24(bytes);
        return image ? *image : Image();
    }();
    return artwork;
}

TEST(TrayArtwork, ShippedBitmapMatchesTheDrawingPixelForPixel) {
    const Image& art = Artwork();
    ASSERT_EQ(art.width, 64);
    ASSERT_EQ(art.height, 16);
    for (int y = 0; y < 16; ++y) {
        for (int tile = 0; tile < 4; ++tile) {
            for (int x = 0; x < 16; ++x) {
                EXPECT_EQ(art.at(tile * 16 + x, y), FromLetter(kArtwork[y][tile][x]))
                    << "tile " << tile << " x " << x << " y " << y;
            }
        }
    }
}

// ---- raster copies ----

TEST(Raster, AndAndPaintAreBitwiseOnEachChannel) {
    struct Case {
        Colour dst, src;
        companion::RasterOp op;
        Colour out;
    } cases[] = {
        {0xF0F0F0, 0x0FFF00, companion::RasterOp::And, 0x00F000},
        {0xF0F0F0, 0x0FFF00, companion::RasterOp::Paint, 0xFFFFF0},
        {kFace, kWhite, companion::RasterOp::And, kFace},    // white mask keeps
        {kFace, kBlack, companion::RasterOp::And, kBlack},   // black mask clears
        {kFace, kBlack, companion::RasterOp::Paint, kFace},  // black image adds nothing
    };
    for (const auto& c : cases) {
        Image dst(1, 1, c.dst), src(1, 1, c.src);
        companion::Blit(dst, 0, 0, src, 0, 0, 1, 1, c.op);
        EXPECT_EQ(dst.at(0, 0), c.out) << std::hex << c.dst << " " << c.src;
    }
}

TEST(Raster, CopiesAreCutAtBothPictures) {
    Image dst(16, 16, kWhite), src(20, 20, kBlack);
    src.at(2, 2) = Rgb(1, 2, 3);
    // A 14 x 14 block placed at row 4 reaches row 17: rows 16-17 must be dropped.
    companion::Blit(dst, 1, 4, src, 2, 2, 14, 14, companion::RasterOp::And);
    EXPECT_EQ(dst.at(1, 4), Rgb(1, 2, 3));
    EXPECT_EQ(dst.at(14, 15), kBlack);
    EXPECT_EQ(dst.at(0, 15), kWhite);
    EXPECT_EQ(dst.at(15, 4), kWhite);
    EXPECT_EQ(dst.at(1, 3), kWhite);
    // A source rectangle running off its picture copies only what exists.
    Image small(2, 2, kBlack), target(4, 4, kWhite);
    companion::Blit(target, 0, 0, small, 1, 1, 4, 4, companion::RasterOp::And);
    EXPECT_EQ(target.at(0, 0), kBlack);
    EXPECT_EQ(target.at(1, 0), kWhite);
    EXPECT_EQ(target.at(0, 1), kWhite);
}

// ---- .bmp reading ----

// A 3 x 2 file, so each row carries three bytes of padding.
std::vector<uint8_t> TinyBmp(bool topDown) {
    std::vector<uint8_t> f(54 + 2 * 12, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    f[0] = 'B';
    f[1] = 'M';
    put32(2, static_cast<uint32_t>(f.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, 3);
    put32(22, topDown ? static_cast<uint32_t>(-2) : 2);
    f[26] = 1;
    f[28] = 24;
    // File row 0 then file row 1, pixels stored blue, green, red.
    const uint8_t rows[2][9] = {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}};
    for (int r = 0; r < 2; ++r) {
        for (int i = 0; i < 9; ++i) f[54 + r * 12 + i] = rows[r][i];
    }
    return f;
}

TEST(BmpReader, ReadsBothRowOrdersPastThePadding) {
    auto bottomUp = companion::ReadBmp24(TinyBmp(false));
    ASSERT_TRUE(bottomUp);
    EXPECT_EQ(bottomUp->width, 3);
    EXPECT_EQ(bottomUp->height, 2);
    EXPECT_EQ(bottomUp->at(0, 1), Rgb(3, 2, 1));  // first stored row is the bottom
    EXPECT_EQ(bottomUp->at(2, 0), Rgb(18, 17, 16));
    auto topDown = companion::ReadBmp24(TinyBmp(true));
    ASSERT_TRUE(topDown);
    EXPECT_EQ(topDown->at(0, 0), Rgb(3, 2, 1));
    EXPECT_EQ(topDown->at(0, 1), Rgb(12, 11, 10));
}

TEST(BmpReader, RefusesWhatItCannotRead) {
    struct Case {
        const char* what;
        size_t at;
        uint8_t value;
    } cases[] = {
        {"not a bitmap", 0, 'X'},
        {"32 bits a pixel", 28, 32},
        {"compressed", 30, 1},
        {"two planes", 26, 2},
        {"zero width", 18, 0},
        {"huge width", 20, 0x10},
        {"data offset too far", 11, 0x10},
    };
    for (const auto& c : cases) {
        auto f = TinyBmp(false);
        f[c.at] = c.value;
        EXPECT_FALSE(companion::ReadBmp24(f)) << c.what;
    }
    auto truncated = TinyBmp(false);
    truncated.resize(truncated.size() - 1);
    EXPECT_FALSE(companion::ReadBmp24(truncated));
    EXPECT_FALSE(companion::ReadBmp24({}));
}

// ---- frame composition ----

std::vector<std::string> Letters(const Image& frame) {
    std::vector<std::string> rows;
    for (int y = 0; y < frame.height; ++y) {
        std::string row;
        for (int x = 0; x < frame.width; ++x) {
            Colour c = frame.at(x, y);
            row += c == kBlack    ? 'K'
                   : c == kWhite  ? 'W'
                   : c == kSilver ? 'S'
                   : c == kFace   ? 'F'
                                  : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(FrameComposition, BlankWindowStandsInTheTrayRaisedAndSunk) {
    // A class without a small icon: a plain white window stands in the tray.
    Image blank = companion::IconSurfaceBackground(false);
    const std::vector<std::string> raised = {
        "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF",
        "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF",
        "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWK", "FWWWWWWWWWWWWWKK", "FWWWWWWWWWWWWKSK",
        "KKKKKKKKKKKKKSSK", "KSSSSSSSSSSSKSKF", "KSSSSSSSSSSSKKFF", "KKKKKKKKKKKKKFFF",
    };
    const std::vector<std::string> sunk = {
        "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF",
        "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWF",
        "FWWWWWWWWWWWWWWF", "FWWWWWWWWWWWWWWK", "FWWWWWWWWWWWWWKK", "FWWWWWWWWWWWWKSK",
        "KKKKKKKKKKKKKSSK", "KSSSSSSSSSSSKSKF", "KSSSSSSSSSSSKKWF", "KKKKKKKKKKKKKWWF",
    };
    EXPECT_EQ(Letters(companion::ComposeFrame(Artwork(), blank, 5, kFace)), raised);
    EXPECT_EQ(Letters(companion::ComposeFrame(Artwork(), blank, 1, kFace)), sunk);
}

// A 14 x 14 icon whose every pixel has its own colour, with transparent
// corners and two transparent holes in column 5, rows 8 and 10.
struct SyntheticIcon {
    static Colour Pixel(int x, int y) { return Rgb(0x40 + x, 0x80 + y, 0x21); }
    static bool Transparent(int x, int y) {
        bool corner = (x == 0 || x == 13) && (y == 0 || y == 13);
        return corner || (x == 5 && (y == 8 || y == 10));
    }
    static Image Surface() {
        Image s = companion::IconSurfaceBackground(true);
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 14; ++x) {
                bool clear = Transparent(x, y);
                s.at(x, y) = clear ? kBlack : Pixel(x, y);
                s.at(companion::kIconMaskX + x, y) = clear ? kWhite : kBlack;
            }
        }
        return s;
    }
};

std::array<Image, 5> SyntheticFrames(Colour face = kFace) {
    std::array<Image, 5> frames;
    for (int k = 1; k <= 5; ++k) {
        frames[k - 1] = companion::ComposeFrame(Artwork(), SyntheticIcon::Surface(), k, face);
    }
    return frames;
}

TEST(FrameComposition, IconStandsAtColumnOneAndRowFiveMinusK) {
    auto frames = SyntheticFrames();
    for (int k = 1; k <= 5; ++k) {
        const Image& f = frames[k - 1];
        ASSERT_EQ(f.width, 16);
        ASSERT_EQ(f.height, 16);
        int top = 5 - k;
        // Left of the tray's right side and above its front wall the icon shows whole.
        for (int y = 0; top + y <= 11; ++y) {
            for (int x = 0; x <= 11; ++x) {
                if (SyntheticIcon::Transparent(x, y)) continue;
                EXPECT_EQ(f.at(1 + x, top + y), SyntheticIcon::Pixel(x, y))
                    << "frame " << k << " icon pixel " << x << "," << y;
            }
        }
        // Nothing of the icon above its top row or in column 0.
        for (int x = 0; x < 16; ++x) {
            for (int y = 0; y < top; ++y) EXPECT_EQ(f.at(x, y), kFace) << k;
        }
        for (int y = 0; y < 16; ++y) EXPECT_NE(f.at(0, y) & 0xFF, 0x21u) << k;
    }
}

TEST(FrameComposition, FrontWallCoversTheIcon) {
    auto frames = SyntheticFrames();
    for (int k = 1; k <= 5; ++k) {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                if (kArtwork[y][1][x] != 'K') continue;
                EXPECT_EQ(frames[k - 1].at(x, y), FromLetter(kArtwork[y][0][x]))
                    << "frame " << k << " at " << x << "," << y;
            }
        }
    }
    const Image& raised = frames[4];
    // Raised: the icon's last column is behind the right side in row 10, its
    // last two in row 11; the column before still shows.
    EXPECT_EQ(raised.at(13, 10), SyntheticIcon::Pixel(12, 10));
    EXPECT_EQ(raised.at(14, 10), kBlack);
    EXPECT_EQ(raised.at(12, 11), SyntheticIcon::Pixel(11, 11));
    EXPECT_EQ(raised.at(13, 11), kBlack);
    EXPECT_EQ(raised.at(14, 11), kSilver);
}

TEST(FrameComposition, SunkIconShowsOnlyThroughTheCutAwayCorner) {
    const Image sunk = SyntheticFrames()[0];
    // Icon rows 8-11 fall on frame rows 12-15; the wall's bottom-right corner
    // is cut away, so there (and only there) they show.
    EXPECT_EQ(sunk.at(14, 14), SyntheticIcon::Pixel(13, 10));
    EXPECT_EQ(sunk.at(13, 15), SyntheticIcon::Pixel(12, 11));
    EXPECT_EQ(sunk.at(14, 15), SyntheticIcon::Pixel(13, 11));
    EXPECT_EQ(sunk.at(15, 15), kFace);  // outside the icon: the tray is cut away too
    int iconPixelsInRows12To15 = 0;
    for (int y = 12; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) iconPixelsInRows12To15 += (sunk.at(x, y) & 0xFF) == 0x21;
    }
    EXPECT_EQ(iconPixelsInRows12To15, 3);
}

TEST(FrameComposition, TransparentIconPixelsShowWhatIsBehind) {
    auto frames = SyntheticFrames();
    const Image& raised = frames[4];
    EXPECT_EQ(raised.at(1, 0), kFace);   // top-left corner: background
    EXPECT_EQ(raised.at(14, 0), kFace);  // top-right corner
    // The holes show the background or the tray, whichever is behind them at
    // that height: raised, row 8 is above the tray and row 10 on its floor...
    EXPECT_EQ(raised.at(6, 8), kFace);
    EXPECT_EQ(raised.at(6, 10), kSilver);
    // ...one row lower, row 8 falls on the tray's black back edge.
    EXPECT_EQ(frames[3].at(6, 9), kBlack);
    EXPECT_EQ(frames[3].at(6, 11), kSilver);
    EXPECT_EQ(frames[0].at(1, 4), kFace);
}

TEST(FrameComposition, FaceColouredPixelsBecomeTransparent) {
    auto isClear = [](const companion::IconPlanes& p, int x, int y) {
        return (p.mask[y * 2 + x / 8] & (0x80 >> (x % 8))) != 0;
    };
    // Face silver: the tray's silver faces go see-through with the background.
    auto silverFace = companion::SplitTransparent(SyntheticFrames(kSilver)[4], kSilver);
    EXPECT_TRUE(isClear(silverFace, 0, 0));
    EXPECT_TRUE(isClear(silverFace, 1, 13));
    EXPECT_EQ(silverFace.colour[13 * 16 + 1], kBlack);
    EXPECT_FALSE(isClear(silverFace, 0, 13));  // black stays
    EXPECT_FALSE(isClear(silverFace, 2, 2));   // the icon stays
    // Another face colour: the silver stays.
    auto otherFace = companion::SplitTransparent(SyntheticFrames()[4], kFace);
    EXPECT_TRUE(isClear(otherFace, 0, 0));
    EXPECT_FALSE(isClear(otherFace, 1, 13));
    EXPECT_EQ(otherFace.colour[13 * 16 + 1], kSilver);
    EXPECT_EQ(otherFace.colour[0], kBlack);
}

TEST(IconPlanes, MaskRowsArePaddedToSixteenBits) {
    Image narrow(3, 2, kWhite);
    narrow.at(2, 1) = kFace;
    auto planes = companion::SplitTransparent(narrow, kFace);
    EXPECT_EQ(planes.mask, (std::vector<uint8_t>{0, 0, 0x20, 0}));
    Image wide(17, 1, kFace);
    EXPECT_EQ(companion::SplitTransparent(wide, kFace).mask,
              (std::vector<uint8_t>{0xFF, 0xFF, 0x80, 0}));
}

}  // namespace
