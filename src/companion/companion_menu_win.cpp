#include "companion/companion_menu.h"

namespace companion {

common::unique_hmenu BuildCompanionMenu() {
    common::unique_hmenu menu(CreatePopupMenu());
    if (!menu) return menu;
    AppendMenuW(menu.get(), MF_STRING, kMenuShow, L"表示");
    AppendMenuW(menu.get(), MF_STRING, kMenuPark, L"隠す");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_STRING, kMenuTakeOut, L"トレイからはずす");
    return menu;
}

}  // namespace companion
