// The five tray frames: the window's small icon standing at five heights in a
// little tray, composed from the tray artwork with mask-and-image copies.
#pragma once

#include "companion/raster.h"

namespace companion {

constexpr int kFrameSize = 16;
constexpr int kFrameCount = 5;  // frame 1 sunk into the tray ... frame 5 raised
constexpr int kIconSize = 14;   // the window icon is scaled to this
constexpr int kIconColumn = 1;

// The tray artwork: four 16 x 16 tiles side by side.
constexpr int kArtworkWidth = 64;
constexpr int kArtworkHeight = 16;
constexpr int kFrontImageX = 0;
constexpr int kFrontMaskX = 16;
constexpr int kBackImageX = 32;
constexpr int kBackMaskX = 48;

// The window icon's surface: its colour image at (0, 0), its mask at (16, 0).
constexpr int kIconSurfaceWidth = 32;
constexpr int kIconSurfaceHeight = 16;
constexpr int kIconMaskX = 16;

// Top row of the window icon in frame 1..5 (4 when sunk, 0 when raised).
constexpr int IconTopRow(int frame) {
    return kFrameCount - frame;
}

// What the icon surface holds before the icon is drawn. With an icon: black
// under the image and white under the mask, so an image blended onto it comes
// out black where transparent, which is what the OR copy needs. Without one:
// white all over, so a blank window still stands in the tray and the frames
// still show the icon's height.
Image IconSurfaceBackground(bool hasIcon);

// Frame 1..5: the background, then the tray's back, the window icon at column 1
// and row IconTopRow(frame), the tray's front; each part a transparent copy
// (mask with AND, image with OR), all cut at the 16 x 16 frame.
Image ComposeFrame(const Image& artwork, const Image& iconSurface, int frame, Colour background);

}  // namespace companion
