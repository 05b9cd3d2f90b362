#include "companion/companion_menu.h"

namespace companion {

common::unique_hmenu BuildCompanionMenu() {
    common::unique_hmenu menu(CreatePopupMenu());
    if (!menu) return menu;
    AppendMenuW(menu.get(), MF_STRING, kMenuView, L"表示");
    AppendMenuW(menu.get(), MF_STRING, kMenuHide, L"隠す");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING, kMenuOutTray, L"トレイからはずす");
    return menu;
}

UINT TrackCompanionMenu(HWND owner, HMENU menu) {
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks
    // elsewhere; the WM_NULL afterwards lets the shell's next click through.
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x,
        at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace companion
