// The tray menu's clip submenu: one item per stored clip text, a separator
// and "－－追加－－". An item puts its text on the clipboard; the last one
// asks for a new text and stores it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/language.h"
#include "common/unique_handle.h"
#include "settings/settings_store.h"

namespace clip {

enum ClipCommand : UINT {
    kClipAddCommand = 200,
    kClipFirstCommand = 1000,  // the n-th text (from 1) is kClipFirstCommand + n
};

class ClipMenu {
  public:
    explicit ClipMenu(settings::SettingsStore& store);

    // Owned here; a menu it is attached to must let go of it first.
    HMENU Handle() const { return menu_.get(); }
    // The items again from the stored list.
    void Reload();
    // The add item and the input box in that language from now on.
    void SetLanguage(common::Language language);
    // The stored text of item `index` (from 1), or null.
    const std::wstring* Text(int index) const;
    // Carries out `command` if it is one of this menu's; false if not.
    bool Run(UINT command, HWND owner);
    // Asks for a text (the clipboard's is proposed) and adds it to the list;
    // the text stored, or nothing.
    std::optional<std::wstring> AddEntry(HWND owner);

  private:
    settings::SettingsStore& store_;
    common::unique_hmenu menu_;
    std::vector<std::wstring> texts_;
    common::Language language_ = common::kDefaultLanguage;
    bool asking_ = false;
};

// A menu caption that shows `text` literally (an ampersand is no mnemonic).
std::wstring LiteralMenuText(const std::wstring& text);

}  // namespace clip
