#include "core/tray_menu.h"

#include "common/tray_icon.h"
#include "effects/alpha_rate.h"

namespace core {

TrayMenu::TrayMenu(HMENU clipMenu) : root_(CreatePopupMenu()), clip_(clipMenu) {
    rate_ = CreatePopupMenu();
    for (int i = 0; i < effects::kRateCount; ++i)
        AppendMenuW(rate_, MF_STRING, kMenuRateFirst + i, effects::RateCaption(i).c_str());

    HMENU root = root_.get();
    AppendMenuW(root, MF_POPUP, reinterpret_cast<UINT_PTR>(rate_), L"透過率");
    AppendMenuW(root, MF_STRING, kMenuRestoreAll, L"すべて元に戻す");
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(root, MF_STRING, kMenuOptions, L"<<<設定>>>");
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(root, MF_STRING, kMenuVersion, L"バージョン情報");
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(root, MF_STRING, kMenuExit, L"終了");
}

TrayMenu::~TrayMenu() {
    // The clip submenu is not ours to destroy with the root.
    SetClipVisible(false);
}

void TrayMenu::SetClipVisible(bool visible) {
    if (visible == clipVisible_) return;
    HMENU root = root_.get();
    if (visible) {
        InsertMenuW(root, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(clip_),
                    L"クリップ");
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
