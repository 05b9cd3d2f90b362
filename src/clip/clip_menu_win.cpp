#include "clip/clip_menu.h"

#include "clip/clip_entries.h"
#include "clip/clipboard.h"
#include "clip/input_box.h"
#include "common/ui_texts.h"

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
    AppendMenuW(menu_.get(), MF_STRING, kClipAddCommand, L"");
    SetLanguage(language_);
}

void ClipMenu::SetLanguage(common::Language language) {
    language_ = language;
    std::wstring add(common::TextOf(language, common::UiText::ClipAdd));
    ModifyMenuW(menu_.get(), kClipAddCommand, MF_BYCOMMAND | MF_STRING, kClipAddCommand,
                add.c_str());
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
    auto text = [this](common::UiText id) { return std::wstring(common::TextOf(language_, id)); };
    std::wstring entered =
        InputBox({text(common::UiText::InputPrompt), text(common::UiText::InputTitle),
                  text(common::UiText::OK), text(common::UiText::InputCancel)},
                 ReadClipboardText(owner));
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
