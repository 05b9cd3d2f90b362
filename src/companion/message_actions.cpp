#include "companion/message_actions.h"

namespace companion {

Action ActionFor(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == kTrayCallbackMessage) {
        if (lParam == kLeftButtonUp) return Action::Toggle;
        if (lParam == kRightButtonUp) return Action::OpenMenu;
        return Action::None;
    }
    if (message == common::kReleaseMessage && wParam == common::kReleaseWParam &&
        lParam == common::kReleaseLParam) {
        return Action::Release;
    }
    return Action::None;
}

}  // namespace companion
