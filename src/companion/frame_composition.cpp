#include "companion/frame_composition.h"

namespace companion {

Image IconSurfaceBackground(bool hasIcon) {
    constexpr Colour kWhite = 0xFFFFFF;
    Image surface(kIconSurfaceWidth, kIconSurfaceHeight, kWhite);
    if (hasIcon) {
        for (int y = 0; y < surface.height; ++y) {
            for (int x = 0; x < kIconMaskX; ++x) surface.at(x, y) = 0;
        }
    }
    return surface;
}

Image ComposeFrame(const Image& artwork, const Image& iconSurface, int frame, Colour background) {
    Image out(kFrameSize, kFrameSize, background & 0xFFFFFF);
    auto tile = [&](int x, RasterOp op) {
        Blit(out, 0, 0, artwork, x, 0, kFrameSize, kFrameSize, op);
    };
    int top = IconTopRow(frame);
    tile(kBackMaskX, RasterOp::And);
    tile(kBackImageX, RasterOp::Paint);
    Blit(out, kIconColumn, top, iconSurface, kIconMaskX, 0, kIconSize, kIconSize, RasterOp::And);
    Blit(out, kIconColumn, top, iconSurface, 0, 0, kIconSize, kIconSize, RasterOp::Paint);
    tile(kFrontMaskX, RasterOp::And);
    tile(kFrontImageX, RasterOp::Paint);
    return out;
}

}  // namespace companion
