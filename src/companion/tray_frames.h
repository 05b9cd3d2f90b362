// The Win32 side of the tray frames: the window's own icon in, five frame
// icons out. The composition itself is frame_composition.h.
#pragma once

#include <windows.h>

#include <array>

#include "common/unique_handle.h"
#include "companion/frame_composition.h"
#include "companion/raster.h"

namespace companion {

using FrameIcons = std::array<common::unique_hicon, kFrameCount>;

// The tray artwork kept in the program's resources; empty if it cannot be read.
Image LoadTrayArtwork();

// The icon's colour image at (0, 0) and its mask at (16, 0), each drawn 14 x 14
// with DrawIconEx; without an icon, the surface's background alone.
Image DrawIconSurface(HICON icon);

// An icon of the frame in which every pixel of `transparent` is see-through.
common::unique_hicon IconFromFrame(const Image& frame, Colour transparent);

// Frames 1..5 (index 0..4) for the target's icon (window_icon.h), transparent
// wherever they have the system's 3-D face colour.
FrameIcons MakeFrameIcons(HWND target);

}  // namespace companion
