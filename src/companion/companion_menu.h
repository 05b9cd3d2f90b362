// The tray icon's popup menu: "表示", "隠す", a separator, "トレイからはずす".
#pragma once

#include <windows.h>

#include "common/unique_handle.h"

namespace companion {

enum CompanionMenuId : UINT {
    kMenuView = 1,     // M_viewmenu
    kMenuHide = 2,     // M_corvel
    kMenuOutTray = 3,  // M_outtray
};

common::unique_hmenu BuildCompanionMenu();

// Runs the menu at the cursor and gives the chosen item, or 0.
UINT TrackCompanionMenu(HWND owner, HMENU menu);

}  // namespace companion
