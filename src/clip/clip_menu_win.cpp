#include "clip/clip_menu.h"

#include "clip/clip_entries.h"
#include "clip/clipboard.h"
#include "clip/input_box.h"

namespace clip {

std::wstring LiteralMenuText(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        out += c;
        if (c == L'&') out += L'&';
    }
    return out;
}

ClipMenu::ClipMenu(settings::SettingsStore& store) : store_(store), menu_(CreatePopupMenu()) {
    AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu_.get(), MF_STRING, kClipAddCommand, L"－－追加－－");
}

void ClipMenu::Reload() {
    HMENU menu = menu_.get();
    // Everything before the separator is a clip item.
    while (GetMenuItemCount(menu) > 2) DeleteMenu(menu, 0, MF_BYPOSITION);
    texts_ = ClipEntries(store_.Read(settings::Key::ClipText));
    UINT pos = 0;
    for (size_t j = 0; j < texts_.size(); ++j) {
        UINT id = kClipFirstCommand + static_cast<UINT>(j) + 1;
        InsertMenuW(menu, pos++, MF_BYPOSITION | MF_STRING, id, LiteralMenuText(texts_[j]).c_str());
    }
}

const std::wstring* ClipMenu::Text(int index) const {
    if (index < 1 || static_cast<size_t>(index) > texts_.size()) return nullptr;
    return &texts_[static_cast<size_t>(index) - 1];
}

bool ClipMenu::Run(UINT command, HWND owner) {
    if (command == kClipAddCommand) {
        AddEntry(owner);
        return true;
    }
    if (command <= kClipFirstCommand) return false;
    // A clipboard held by another program past the short retry is given up.
    if (const std::wstring* text = Text(static_cast<int>(command - kClipFirstCommand)))
        WriteClipboardText(owner, *text);
    return true;
}

std::optional<std::wstring> ClipMenu::AddEntry(HWND owner) {
    // The tray menu still opens while the box waits; one box is enough.
    if (asking_) return std::nullopt;
    asking_ = true;
    std::wstring entered =
        InputBox(L"登録する文字を入力してください。", L"入力", ReadClipboardText(owner));
    asking_ = false;
    // Read after the box: the list may have changed while it was open.
    if (auto stored = AppendClip(store_.Read(settings::Key::ClipText), entered)) {
        store_.Write(settings::Key::ClipText, *stored);
        Reload();
        return entered;
    }
    return std::nullopt;
}

}  // namespace clip
