// Which frames the tray icon goes through when it rises or sinks.
#pragma once

#include <span>

namespace companion {

enum class Motion { Rise, Sink };

// The frames to send, in order, when the icon now shows `shownFrame`. An
// animation starts only from its own end frame (1 to rise, 5 to sink); from
// anywhere else there is nothing to do, so repeated requests are harmless.
std::span<const int> AnimationFrames(int shownFrame, Motion motion);

}  // namespace companion
