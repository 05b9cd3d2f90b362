#include "companion/tray_animation.h"

#include <array>

namespace companion {

std::span<const int> AnimationFrames(int shownFrame, Motion motion) {
    static constexpr std::array<int, 4> kRise{2, 3, 4, 5};
    static constexpr std::array<int, 4> kSink{4, 3, 2, 1};
    if (motion == Motion::Rise && shownFrame == 1) return kRise;
    if (motion == Motion::Sink && shownFrame == 5) return kSink;
    return {};
}

}  // namespace companion
