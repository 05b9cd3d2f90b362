#include "companion/window_icon.h"

#include <initializer_list>

namespace companion {
namespace {

// A window that does not answer in time gives no icon; it is not asked again.
HICON AskIcon(HWND target, WPARAM which, bool& answering) {
    if (!answering) return nullptr;
    DWORD_PTR icon = 0;
    if (!SendMessageTimeoutW(target, WM_GETICON, which, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kAnswerTimeoutMs, &icon)) {
        answering = false;
        return nullptr;
    }
    return reinterpret_cast<HICON>(icon);
}

}  // namespace

HICON TargetIcon(HWND target) {
    // Dialog-based programs and many others set their icon per window and
    // leave the class without one.
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(target, GCLP_HICONSM))) return icon;
    bool answering = true;
    for (WPARAM which : {WPARAM{ICON_SMALL}, WPARAM{ICON_SMALL2}, WPARAM{ICON_BIG}}) {
        if (HICON icon = AskIcon(target, which, answering)) return icon;
    }
    return reinterpret_cast<HICON>(GetClassLongPtrW(target, GCLP_HICON));
}

}  // namespace companion
