#include "companion/tray_frames.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "companion/bmp_reader.h"
#include "companion/corvel_resources.h"
#include "companion/icon_planes.h"
#include "companion/window_icon.h"

namespace companion {
namespace {

Colour FromColorref(COLORREF c) {
    return Rgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

}  // namespace

Image LoadTrayArtwork() {
    HINSTANCE inst = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(inst, MAKEINTRESOURCEW(IDR_TRAY_ARTWORK), MAKEINTRESOURCEW(10));
    if (!found) return {};
    HGLOBAL loaded = LoadResource(inst, found);
    auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes) return {};
    auto artwork = ReadBmp24(std::span<const uint8_t>(bytes, SizeofResource(inst, found)));
    return artwork ? std::move(*artwork) : Image();
}

Image DrawIconSurface(HICON icon) {
    Image surface = IconSurfaceBackground(icon != nullptr);
    if (!icon) return surface;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = surface.width;
    info.bmiHeader.biHeight = -surface.height;  // top-down, like Image
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    common::unique_hdc dc(CreateCompatibleDC(nullptr));
    common::unique_hbitmap dib(
        CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc || !dib || !bits) return surface;

    // A 32-bit DIB pixel is blue, green, red, unused: 0x00RRGGBB in memory order.
    auto* pixels = static_cast<uint32_t*>(bits);
    std::copy(surface.pixels.begin(), surface.pixels.end(), pixels);
    {
        common::scoped_select select(dc.get(), dib.get());
        DrawIconEx(dc.get(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_IMAGE);
        DrawIconEx(dc.get(), kIconMaskX, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_MASK);
        GdiFlush();
    }
    std::transform(pixels, pixels + surface.pixels.size(), surface.pixels.begin(),
                   [](uint32_t p) { return p & 0xFFFFFF; });
    return surface;
}

common::unique_hicon IconFromFrame(const Image& frame, Colour transparent) {
    IconPlanes planes = SplitTransparent(frame, transparent);
    common::unique_hbitmap mask(CreateBitmap(frame.width, frame.height, 1, 1, planes.mask.data()));
    common::unique_hbitmap colour(
        CreateBitmap(frame.width, frame.height, 1, 32, planes.colour.data()));
    if (!mask || !colour) return {};
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    // The icon keeps copies; the two bitmaps go when this returns.
    return common::unique_hicon(CreateIconIndirect(&info));
}

FrameIcons MakeFrameIcons(HWND target) {
    // A window without any icon gets the blank window of IconSurfaceBackground.
    Image artwork = LoadTrayArtwork();
    Image surface = DrawIconSurface(TargetIcon(target));
    Colour face = FromColorref(GetSysColor(COLOR_BTNFACE));
    FrameIcons icons;
    for (int k = 1; k <= kFrameCount; ++k) {
        icons[k - 1] = IconFromFrame(ComposeFrame(artwork, surface, k, face), face);
    }
    return icons;
}

}  // namespace companion
