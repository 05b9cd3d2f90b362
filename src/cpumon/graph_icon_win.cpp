#include "cpumon/graph_icon.h"

#include <algorithm>

namespace cpumon {

GraphIconMaker::GraphIconMaker() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kGraphSize;
    info.bmiHeader.biHeight = -kGraphSize;  // top-down, as Pixels16 is
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    colour_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (colour_) bits_ = static_cast<uint32_t*>(bits);
    mask_.reset(CreateBitmap(kGraphSize, kGraphSize, 1, 1, nullptr));
}

common::unique_hicon GraphIconMaker::Make(const Pixels16& pixels) {
    if (!bits_ || !mask_) return {};
    // The alpha bytes stay 0, so the system takes transparency from the mask.
    std::copy(pixels.Colour.begin(), pixels.Colour.end(), bits_);
    auto mask = MaskBits(pixels);
    SetBitmapBits(mask_.get(), static_cast<LONG>(mask.size()), mask.data());
    GdiFlush();
    ICONINFO info{TRUE, 0, 0, mask_.get(), colour_.get()};
    // The icon gets copies of both bitmaps; they are reused by the next tick.
    return common::unique_hicon(CreateIconIndirect(&info));
}

}  // namespace cpumon
