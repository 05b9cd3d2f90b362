// The tray icon's popup menu: "表示", "隠す", a separator, "トレイからはずす"
// (or these in another language).
#pragma once

#include <windows.h>

#include "common/language.h"
#include "common/unique_handle.h"

namespace companion {

enum CompanionMenuId : UINT {
    kMenuShow = 1,     // show the window again
    kMenuPark = 2,     // hide it in the tray
    kMenuTakeOut = 3,  // give it back and end the companion
};

common::unique_hmenu BuildCompanionMenu(common::Language language = common::kDefaultLanguage);

}  // namespace companion
