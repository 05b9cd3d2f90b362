// Stored texts turned into the values the running program uses.
#pragma once

#include <cstdint>
#include <optional>

#include "settings/settings_store.h"

namespace settings {

struct HotkeySettings {
    int32_t AlphaKey = 122;
    int32_t OnTopKey = 123;
    int32_t TaskbarKey = 0;
    int32_t TrayParkKey = 0;
};

// The longest interval a window timer accepts (USER_TIMER_MAXIMUM).
inline constexpr int32_t kMaxTimerInterval = 0x7FFFFFFF;

// Each reader gives nothing when the stored text cannot be used.
std::optional<int32_t> ReadNumber(const SettingsStore& store, Key key);
std::optional<int32_t> ReadAlphaIndex(const SettingsStore& store);  // 0..8
std::optional<bool> ReadSwitch(const SettingsStore& store, Key key);
std::optional<int32_t> ReadInterval(const SettingsStore& store);  // 1..kMaxTimerInterval
std::optional<uint32_t> ReadColour(const SettingsStore& store, Key key);

// Everything start-up loads; an unusable stored value gives that key's default.
struct StartupSettings {
    HotkeySettings Hotkeys;
    int32_t AlphaIndex = 4;
    bool CpuMonitor = false;
    bool SmoothAlpha = false;
    bool ClipMenu = false;
    int32_t CpuInterval = 1000;
    uint32_t CpuDrawColour = 0x00FF00;
    uint32_t CpuBackColour = 0x000000;
};

StartupSettings LoadStartupSettings(const SettingsStore& store);

}  // namespace settings
