#include "cpumon/graph_icon.h"

#include <algorithm>

namespace cpumon {

HBITMAP MakeGraphBitmap(uint32_t** bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kGraphSize;
    info.bmiHeader.biHeight = -kGraphSize;  // top-down, as Pixels16 is
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* made = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &made, nullptr, 0);
    *bits = bitmap ? static_cast<uint32_t*>(made) : nullptr;
    return bitmap;
}

GraphIconMaker::GraphIconMaker(GraphBitmapMaker makeBitmap) : makeBitmap_(makeBitmap) {}

bool GraphIconMaker::MakeBitmaps() {
    if (bits_ && mask_) return true;
    DropBitmaps();
    uint32_t* bits = nullptr;
    colour_.reset(makeBitmap_(&bits));
    mask_.reset(CreateBitmap(kGraphSize, kGraphSize, 1, 1, nullptr));
    if (colour_ && bits && mask_) {
        bits_ = bits;
        return true;
    }
    DropBitmaps();
    return false;
}

void GraphIconMaker::DropBitmaps() {
    bits_ = nullptr;
    colour_.reset();
    mask_.reset();
}

common::unique_hicon GraphIconMaker::Make(const Pixels16& pixels) {
    if (!MakeBitmaps()) return {};
    // The alpha bytes stay 0, so the system takes transparency from the mask.
    std::copy(pixels.Colour.begin(), pixels.Colour.end(), bits_);
    auto mask = MaskBits(pixels);
    SetBitmapBits(mask_.get(), static_cast<LONG>(mask.size()), mask.data());
    GdiFlush();
    ICONINFO info{TRUE, 0, 0, mask_.get(), colour_.get()};
    // The icon gets copies of both bitmaps; they are reused by the next tick.
    common::unique_hicon icon(CreateIconIndirect(&info));
    // Bitmaps the system could not use are made afresh for the next one.
    if (!icon) DropBitmaps();
    return icon;
}

}  // namespace cpumon
