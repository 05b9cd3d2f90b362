// The tray icon's popup menu: the clip submenu, the rate submenu, options,
// version and exit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/unique_handle.h"

namespace core {

enum MenuId : UINT {
    kMenuRateFirst = 100,   // mnuAP(0) .. mnuAP(8)
    kMenuAdd = 200,         // mnuAdd
    kMenuOption = 201,      // mnuOption
    kMenuVersion = 202,     // mnuVer
    kMenuEnd = 203,         // mnuEnd
    kMenuClipFirst = 1000,  // mnuclip(1) ..
};

class PopupMenu {
  public:
    PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    ~PopupMenu();

    HMENU Root() const { return root_.get(); }
    HMENU ClipMenu() const { return clip_.get(); }
    HMENU RateMenu() const { return rate_; }

    // Shows or hides mnuclipo together with the separator sp3 below it.
    void SetClipVisible(bool visible);
    bool ClipVisible() const { return clipVisible_; }

    // Items 1..n of mnuclip, one per entry, before sp4.
    void SetClipItems(const std::vector<std::wstring>& entries);
    // The stored text of mnuclip(index), index from 1; empty if none.
    const std::wstring* ClipText(int index) const;

    // The check mark on exactly one rate item.
    void CheckRate(int index);
    void UncheckAllRates();

    // Runs the menu at the cursor; the chosen command or 0.
    UINT Track(HWND owner) const;

  private:
    common::unique_hmenu root_;
    common::unique_hmenu clip_;  // owned here only while detached from root_
    HMENU rate_ = nullptr;       // owned by root_
    bool clipVisible_ = false;
    std::vector<std::wstring> clipTexts_;
};

// A menu caption that shows `text` literally (an ampersand is no mnemonic).
std::wstring LiteralMenuText(const std::wstring& text);

}  // namespace core
