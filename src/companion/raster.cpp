#include "companion/raster.h"

namespace companion {

void Blit(Image& dst, int dx, int dy, const Image& src, int sx, int sy, int w, int h, RasterOp op) {
    for (int row = 0; row < h; ++row) {
        int srcY = sy + row, dstY = dy + row;
        if (srcY < 0 || srcY >= src.height || dstY < 0 || dstY >= dst.height) continue;
        for (int col = 0; col < w; ++col) {
            int srcX = sx + col, dstX = dx + col;
            if (srcX < 0 || srcX >= src.width || dstX < 0 || dstX >= dst.width) continue;
            Colour s = src.at(srcX, srcY) & 0xFFFFFF;
            Colour& d = dst.at(dstX, dstY);
            d = op == RasterOp::And ? (d & s) : (d | s);
        }
    }
}

}  // namespace companion
