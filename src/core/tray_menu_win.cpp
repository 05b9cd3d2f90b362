#include "core/tray_menu.h"

#include <string>

#include "common/tray_icon.h"
#include "common/ui_texts.h"
#include "effects/alpha_rate.h"

namespace core {

TrayMenu::TrayMenu(HMENU clipMenu, common::Language language)
    : root_(CreatePopupMenu()), clip_(clipMenu), language_(language) {
    auto text = [language](common::UiText id) {
        return std::wstring(common::TextOf(language, id));
    };
    rate_ = CreatePopupMenu();
    for (int i = 0; i < effects::kRateCount; ++i)
        AppendMenuW(rate_, MF_STRING, kMenuRateFirst + i, effects::RateCaption(i).c_str());

    HMENU root = root_.get();
    AppendMenuW(root, MF_POPUP, reinterpret_cast<UINT_PTR>(rate_),
                text(common::UiText::TrayRate).c_str());
    AppendMenuW(root, MF_STRING, kMenuRestoreAll, text(common::UiText::TrayRestoreAll).c_str());
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(root, MF_STRING, kMenuOptions, text(common::UiText::TrayOptions).c_str());
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(root, MF_STRING, kMenuVersion, text(common::UiText::TrayVersion).c_str());
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(root, MF_STRING, kMenuExit, text(common::UiText::TrayExit).c_str());
}

TrayMenu::~TrayMenu() {
    // The clip submenu is not ours to destroy with the root.
    SetClipVisible(false);
}

void TrayMenu::SetClipVisible(bool visible) {
    if (visible == clipVisible_) return;
    HMENU root = root_.get();
    if (visible) {
        std::wstring caption(common::TextOf(language_, common::UiText::TrayClip));
        InsertMenuW(root, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(clip_),
                    caption.c_str());
        InsertMenuW(root, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
    } else {
        RemoveMenu(root, 1, MF_BYPOSITION);  // the separator
        RemoveMenu(root, 0, MF_BYPOSITION);  // detaches the submenu without destroying it
    }
    clipVisible_ = visible;
}

void TrayMenu::CheckRate(int index) {
    for (int i = 0; i < effects::kRateCount; ++i)
        CheckMenuItem(rate_, kMenuRateFirst + i,
                      MF_BYCOMMAND | (i == index ? MF_CHECKED : MF_UNCHECKED));
}

int TrayMenu::RateOf(UINT command) {
    if (command < kMenuRateFirst || command >= kMenuRateFirst + effects::kRateCount) return -1;
    return static_cast<int>(command - kMenuRateFirst);
}

UINT TrayMenu::Track(HWND owner) const {
    return common::TrackPopupAtCursor(owner, root_.get());
}

}  // namespace core
