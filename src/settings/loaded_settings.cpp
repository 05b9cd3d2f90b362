#include "settings/loaded_settings.h"

#include "settings/conversions.h"

namespace settings {

std::optional<int32_t> ReadNumber(const SettingsStore& store, Key key) {
    return ToLong(store.Read(key));
}

std::optional<int32_t> ReadAlphaIndex(const SettingsStore& store) {
    auto v = ReadNumber(store, Key::Alpha);
    if (!v || *v < 0 || *v >= effects::kRateCount) return std::nullopt;
    return v;
}

std::optional<bool> ReadSwitch(const SettingsStore& store, Key key) {
    auto v = ReadNumber(store, key);
    if (!v) return std::nullopt;
    return *v != 0;
}

std::optional<int32_t> ReadInterval(const SettingsStore& store) {
    auto v = ReadNumber(store, Key::CpuTime);
    if (!v || *v < 1 || *v > kMaxTimerInterval) return std::nullopt;
    return v;
}

std::optional<uint32_t> ReadColour(const SettingsStore& store, Key key) {
    return ColourFromText(store.Read(key));
}

std::optional<bool> ReadOnOff(const SettingsStore& store, Key key) {
    auto v = ReadNumber(store, key);
    if (v != 0 && v != 1) return std::nullopt;
    return *v == 1;
}

common::Language ReadLanguage(const SettingsStore& store) {
    return common::LanguageFromStored(store.Read(Key::Language));
}

RunningSettings ApplyStored(const SettingsStore& store, RunningSettings s) {
    for (const HotkeySlot& slot : kHotkeySlots)
        s.Hotkeys.*slot.Code = ReadNumber(store, slot.StoredAs).value_or(s.Hotkeys.*slot.Code);
    s.AlphaIndex = ReadAlphaIndex(store).value_or(s.AlphaIndex);
    s.CpuMonitor = ReadSwitch(store, Key::UseCpuMon).value_or(false);
    s.SmoothAlpha = ReadSwitch(store, Key::UseSmoothAlpha).value_or(false);
    s.ClipMenu = ReadSwitch(store, Key::UseClipboard).value_or(false);
    s.CpuInterval = ReadInterval(store).value_or(s.CpuInterval);
    s.CpuDrawColour = ReadColour(store, Key::CpuCol1).value_or(s.CpuDrawColour);
    s.CpuBackColour = ReadColour(store, Key::CpuCol2).value_or(s.CpuBackColour);
    const RunningSettings defaults;
    s.TargetWhole = ReadOnOff(store, Key::TargetWhole).value_or(defaults.TargetWhole);
    s.RestoreOnExit = ReadOnOff(store, Key::RestoreOnExit).value_or(defaults.RestoreOnExit);
    s.Language = ReadLanguage(store);
    return s;
}

}  // namespace settings
