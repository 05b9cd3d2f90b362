// Turns the graph's pixels into icons, through one colour bitmap and one mask
// that, once made, live as long as this object: a tick makes the icon and
// nothing else. They are made for the first icon, and again for the next one
// after the system refused them, so a passing shortage never ends the graph.
#pragma once

#include <windows.h>

#include "common/unique_handle.h"
#include "cpumon/cpu_graph.h"

namespace cpumon {

// Makes the 16 x 16 top-down 32-bit colour bitmap and hands out its pixels;
// null when the system refuses.
using GraphBitmapMaker = HBITMAP (*)(uint32_t** bits);
HBITMAP MakeGraphBitmap(uint32_t** bits);

class GraphIconMaker {
  public:
    explicit GraphIconMaker(GraphBitmapMaker makeBitmap = &MakeGraphBitmap);

    // A new 16 x 16 icon (mask colour transparent), or none if the system
    // refuses. The caller destroys it once the shell has a newer one.
    common::unique_hicon Make(const Pixels16& pixels);

  private:
    bool MakeBitmaps();
    void DropBitmaps();

    GraphBitmapMaker makeBitmap_;
    common::unique_hbitmap colour_;  // top-down 32-bit DIB section
    common::unique_hbitmap mask_;    // monochrome
    uint32_t* bits_ = nullptr;       // colour_'s pixels
};

}  // namespace cpumon
