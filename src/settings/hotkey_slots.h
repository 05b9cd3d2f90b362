// The four hotkeys: which stored key holds each one's code, which list of the
// options dialog shows it, and which effect it drives. No <windows.h>.
#pragma once

#include <array>
#include <cstdint>

#include "settings/options_layout.h"
#include "settings/settings_keys.h"

namespace settings {

// The key code of each hotkey; 0 is no key.
struct HotkeySettings {
    int32_t AlphaKey = DefaultNumber(Key::UseAlpha);       // translucency
    int32_t OnTopKey = DefaultNumber(Key::UseOnTop);       // always on top
    int32_t TaskbarKey = DefaultNumber(Key::UseShowTask);  // taskbar button
    int32_t TrayParkKey = DefaultNumber(Key::UseCorvel);   // parking in the tray
};

struct HotkeySlot {
    Key StoredAs;
    OptionsControl List;
    int32_t HotkeySettings::*Code;  // names the effect the key drives
};

// In the order the options dialog lists and writes them.
inline constexpr std::array<HotkeySlot, 4> kHotkeySlots{{
    {Key::UseAlpha, kAlphaKeyList, &HotkeySettings::AlphaKey},
    {Key::UseOnTop, kOnTopKeyList, &HotkeySettings::OnTopKey},
    {Key::UseShowTask, kTaskbarKeyList, &HotkeySettings::TaskbarKey},
    {Key::UseCorvel, kTrayKeyList, &HotkeySettings::TrayParkKey},
}};

}  // namespace settings
