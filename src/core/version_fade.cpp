#include "core/version_fade.h"

namespace core {

int FadeAlpha(uint32_t elapsedMs) {
    if (elapsedMs >= kFadeMs) return kFadeEndAlpha;
    // elapsed / 1000 * 200 to the nearest integer; an exact half cannot occur.
    return static_cast<int>((elapsedMs * kFadeEndAlpha + kFadeMs / 2) / kFadeMs);
}

}  // namespace core
