#include "core/popup_menu.h"

#include "effects/alpha_rate.h"

namespace core {

std::wstring LiteralMenuText(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        out += c;
        if (c == L'&') out += L'&';
    }
    return out;
}

PopupMenu::PopupMenu() : root_(CreatePopupMenu()), clip_(CreatePopupMenu()) {
    AppendMenuW(clip_.get(), MF_SEPARATOR, 0, nullptr);  // sp4
    AppendMenuW(clip_.get(), MF_STRING, kMenuAdd, L"－－追加－－");

    rate_ = CreatePopupMenu();
    for (int i = 0; i < effects::kRateCount; ++i)
        AppendMenuW(rate_, MF_STRING, kMenuRateFirst + i, effects::RateCaption(i).c_str());

    HMENU root = root_.get();
    AppendMenuW(root, MF_POPUP, reinterpret_cast<UINT_PTR>(rate_), L"透過率");  // mnuA
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);                                // sp0
    AppendMenuW(root, MF_STRING, kMenuOption, L"<<<設定>>>");
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);  // sp1
    AppendMenuW(root, MF_STRING, kMenuVersion, L"バージョン情報");
    AppendMenuW(root, MF_SEPARATOR, 0, nullptr);  // sp2
    AppendMenuW(root, MF_STRING, kMenuEnd, L"終了");
}

PopupMenu::~PopupMenu() {
    // While attached, the clip submenu is destroyed with the root.
    if (clipVisible_) clip_.release();
}

void PopupMenu::SetClipVisible(bool visible) {
    if (visible == clipVisible_) return;
    HMENU root = root_.get();
    if (visible) {
        InsertMenuW(root, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(clip_.get()),
                    L"クリップ");                                        // mnuclipo
        InsertMenuW(root, 1, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);  // sp3
    } else {
        RemoveMenu(root, 1, MF_BYPOSITION);  // sp3
        RemoveMenu(root, 0, MF_BYPOSITION);  // detaches mnuclipo without destroying it
    }
    clipVisible_ = visible;
}

void PopupMenu::SetClipItems(const std::vector<std::wstring>& entries) {
    HMENU clip = clip_.get();
    // Everything before sp4 is a clip item.
    while (GetMenuItemCount(clip) > 2) DeleteMenu(clip, 0, MF_BYPOSITION);
    clipTexts_ = entries;
    UINT pos = 0;
    for (size_t j = 0; j < entries.size(); ++j) {
        UINT id = kMenuClipFirst + static_cast<UINT>(j) + 1;
        InsertMenuW(clip, pos++, MF_BYPOSITION | MF_STRING, id,
                    LiteralMenuText(entries[j]).c_str());
    }
}

const std::wstring* PopupMenu::ClipText(int index) const {
    if (index < 1 || static_cast<size_t>(index) > clipTexts_.size()) return nullptr;
    return &clipTexts_[static_cast<size_t>(index) - 1];
}

void PopupMenu::UncheckAllRates() {
    for (int i = 0; i < effects::kRateCount; ++i)
        CheckMenuItem(rate_, kMenuRateFirst + i, MF_BYCOMMAND | MF_UNCHECKED);
}

void PopupMenu::CheckRate(int index) {
    CheckMenuItem(rate_, kMenuRateFirst + index, MF_BYCOMMAND | MF_CHECKED);
}

UINT PopupMenu::Track(HWND owner) const {
    POINT pt{};
    GetCursorPos(&pt);
    // Without the foreground, the menu would not close on a click elsewhere.
    SetForegroundWindow(owner);
    UINT cmd = static_cast<UINT>(
        TrackPopupMenu(root_.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_LEFTBUTTON,
                       pt.x, pt.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    return cmd;
}

}  // namespace core
