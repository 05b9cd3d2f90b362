// Stored texts turned into the values the running program uses.
#pragma once

#include <cstdint>
#include <optional>

#include "effects/alpha_rate.h"
#include "settings/hotkey_slots.h"
#include "settings/settings_store.h"

namespace settings {

// The longest interval a window timer accepts (USER_TIMER_MAXIMUM).
inline constexpr int32_t kMaxTimerInterval = 0x7FFFFFFF;

// Each reader gives nothing when the stored text cannot be used.
std::optional<int32_t> ReadNumber(const SettingsStore& store, Key key);
std::optional<int32_t> ReadAlphaIndex(const SettingsStore& store);  // a rate's index
std::optional<bool> ReadSwitch(const SettingsStore& store, Key key);
std::optional<int32_t> ReadInterval(const SettingsStore& store);  // 1..kMaxTimerInterval
std::optional<uint32_t> ReadColour(const SettingsStore& store, Key key);
// The later on/off keys hold exactly 0 or 1; anything else cannot be used.
std::optional<bool> ReadOnOff(const SettingsStore& store, Key key);
// "ja" or "en"; anything else is the default.
common::Language ReadLanguage(const SettingsStore& store);

// What the running program takes from the store. Default-constructed, it
// holds every key's default.
struct RunningSettings {
    HotkeySettings Hotkeys;
    int32_t AlphaIndex = DefaultNumber(Key::Alpha);
    bool CpuMonitor = DefaultNumber(Key::UseCpuMon) != 0;
    bool SmoothAlpha = DefaultNumber(Key::UseSmoothAlpha) != 0;
    bool ClipMenu = DefaultNumber(Key::UseClipboard) != 0;
    int32_t CpuInterval = DefaultNumber(Key::CpuTime);
    uint32_t CpuDrawColour = DefaultColour(Key::CpuCol1);
    uint32_t CpuBackColour = DefaultColour(Key::CpuCol2);
    bool TargetWhole = DefaultNumber(Key::TargetWhole) != 0;  // act on the top-level window
    bool RestoreOnExit = DefaultNumber(Key::RestoreOnExit) != 0;
    common::Language Language = common::kDefaultLanguage;
};

// The one way stored settings become running state, at start-up (from the
// defaults) and again after the options dialog (from what is in force): a
// usable stored value replaces the current one, an unusable one leaves it as
// it is, and an on/off value that cannot be read counts as off; a later key
// that cannot be used is its default. Nothing is written back.
RunningSettings ApplyStored(const SettingsStore& store, RunningSettings current);

// Start-up's settings: the stored values over the defaults.
inline RunningSettings LoadStartupSettings(const SettingsStore& store) {
    return ApplyStored(store, RunningSettings{});
}

}  // namespace settings
