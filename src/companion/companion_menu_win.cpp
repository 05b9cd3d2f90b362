#include "companion/companion_menu.h"

#include <string>

#include "common/ui_texts.h"

namespace companion {

common::unique_hmenu BuildCompanionMenu(common::Language language) {
    common::unique_hmenu menu(CreatePopupMenu());
    if (!menu) return menu;
    auto add = [&](UINT id, common::UiText text) {
        AppendMenuW(menu.get(), MF_STRING, id,
                    std::wstring(common::TextOf(language, text)).c_str());
    };
    add(kMenuShow, common::UiText::CompanionShow);
    add(kMenuPark, common::UiText::CompanionHide);
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    add(kMenuTakeOut, common::UiText::CompanionTakeOut);
    return menu;
}

}  // namespace companion
