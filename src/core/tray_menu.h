// The tray icon's menu: the clip submenu (when switched on), the rate
// submenu, restore all, options, version and exit.
#pragma once

#include <windows.h>

#include "common/language.h"
#include "common/non_copyable.h"
#include "common/unique_handle.h"

namespace core {

enum MenuCommand : UINT {
    kMenuRateFirst = 100,  // the rates, kMenuRateFirst + index
    kMenuOptions = 201,
    kMenuVersion = 202,
    kMenuExit = 203,
    kMenuRestoreAll = 204,
};

class TrayMenu : common::NonCopyable {
  public:
    // `clipMenu` stays owned by the caller and must outlive this menu.
    explicit TrayMenu(HMENU clipMenu, common::Language language = common::kDefaultLanguage);
    ~TrayMenu();

    HMENU Root() const { return root_.get(); }
    HMENU RateMenu() const { return rate_; }
    common::Language Language() const { return language_; }

    // Shows or hides the clip submenu together with the separator below it.
    void SetClipVisible(bool visible);
    bool ClipVisible() const { return clipVisible_; }

    // The check mark on exactly this rate.
    void CheckRate(int index);
    // The rate a command stands for, or -1.
    static int RateOf(UINT command);

    // Runs the menu at the cursor; the chosen command or 0.
    UINT Track(HWND owner) const;

  private:
    common::unique_hmenu root_;
    HMENU rate_ = nullptr;  // owned by root_
    HMENU clip_;
    common::Language language_;
    bool clipVisible_ = false;
};

}  // namespace core
