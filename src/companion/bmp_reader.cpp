#include "companion/bmp_reader.h"

namespace companion {
namespace {

uint32_t U16(std::span<const uint8_t> b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}

uint32_t U32(std::span<const uint8_t> b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

int32_t I32(std::span<const uint8_t> b, size_t at) {
    return static_cast<int32_t>(U32(b, at));
}

}  // namespace

std::optional<Image> ReadBmp24(std::span<const uint8_t> file) {
    constexpr size_t kFileHeader = 14, kInfoHeader = 40;
    constexpr int32_t kMaxSide = 4096;  // far beyond any artwork; keeps sizes sane
    if (file.size() < kFileHeader + kInfoHeader) return std::nullopt;
    if (file[0] != 'B' || file[1] != 'M') return std::nullopt;
    uint32_t dataOffset = U32(file, 10);
    uint32_t infoSize = U32(file, 14);
    int32_t width = I32(file, 18);
    int32_t height = I32(file, 22);
    if (infoSize < kInfoHeader || U16(file, 26) != 1 || U16(file, 28) != 24 || U32(file, 30) != 0) {
        return std::nullopt;
    }
    bool topDown = height < 0;
    int64_t rows = topDown ? -int64_t{height} : height;
    if (width <= 0 || width > kMaxSide || rows == 0 || rows > kMaxSide) return std::nullopt;

    size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    if (dataOffset < kFileHeader + infoSize || dataOffset > file.size() ||
        (file.size() - dataOffset) / stride < static_cast<size_t>(rows)) {
        return std::nullopt;
    }

    Image image(width, static_cast<int>(rows));
    for (int y = 0; y < image.height; ++y) {
        size_t fileRow = topDown ? y : image.height - 1 - y;
        size_t at = dataOffset + fileRow * stride;
        for (int x = 0; x < width; ++x, at += 3) {
            image.at(x, y) = Rgb(file[at + 2], file[at + 1], file[at]);
        }
    }
    return image;
}

}  // namespace companion
