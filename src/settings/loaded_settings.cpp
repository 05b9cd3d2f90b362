#include "settings/loaded_settings.h"

#include "settings/conversions.h"

namespace settings {
namespace {

template <typename T>
T DefaultOf(std::optional<T> (*reader)(const SettingsStore&, Key), Key key) {
    MemoryStore empty;
    return *reader(empty, key);
}

}  // namespace

std::optional<int32_t> ReadNumber(const SettingsStore& store, Key key) {
    return ToLong(store.Read(key));
}

std::optional<int32_t> ReadAlphaIndex(const SettingsStore& store) {
    auto v = ReadNumber(store, Key::Alpha);
    if (!v || *v < 0 || *v > 8) return std::nullopt;
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

StartupSettings LoadStartupSettings(const SettingsStore& store) {
    StartupSettings s;
    auto number = [&](Key key) {
        return ReadNumber(store, key).value_or(DefaultOf(&ReadNumber, key));
    };
    s.Hotkeys.AlphaKey = number(Key::UseAlpha);
    s.Hotkeys.OnTopKey = number(Key::UseOnTop);
    s.Hotkeys.TaskbarKey = number(Key::UseShowTask);
    s.Hotkeys.TrayParkKey = number(Key::UseCorvel);
    s.AlphaIndex = ReadAlphaIndex(store).value_or(4);
    s.CpuMonitor = ReadSwitch(store, Key::UseCpuMon).value_or(false);
    s.SmoothAlpha = ReadSwitch(store, Key::UseSmsAlpha).value_or(false);
    s.ClipMenu = ReadSwitch(store, Key::UseClipboard).value_or(false);
    s.CpuInterval = ReadInterval(store).value_or(1000);
    s.CpuDrawColour =
        ReadColour(store, Key::CpuCol1).value_or(DefaultOf(&ReadColour, Key::CpuCol1));
    s.CpuBackColour =
        ReadColour(store, Key::CpuCol2).value_or(DefaultOf(&ReadColour, Key::CpuCol2));
    return s;
}

}  // namespace settings
