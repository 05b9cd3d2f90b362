// Turns the graph's pixels into icons, through one colour bitmap and one mask
// that live as long as this object: a tick makes the icon and nothing else.
#pragma once

#include <windows.h>

#include "common/unique_handle.h"
#include "cpumon/cpu_graph.h"

namespace cpumon {

class GraphIconMaker {
  public:
    GraphIconMaker();

    // A new 16 x 16 icon (mask colour transparent), or none if the system
    // refuses. The caller destroys it once the shell has a newer one.
    common::unique_hicon Make(const Pixels16& pixels);

  private:
    common::unique_hbitmap colour_;  // top-down 32-bit DIB section
    common::unique_hbitmap mask_;    // monochrome
    uint32_t* bits_ = nullptr;       // colour_'s pixels
};

}  // namespace cpumon
