#include "settings/options_values.h"

#include "settings/conversions.h"
#include "settings/hotkey_slots.h"
#include "settings/loaded_settings.h"

namespace settings {
namespace {

// A check box is ticked by a stored 1 only; anything else leaves it clear.
bool Ticked(const SettingsStore& store, Key key) {
    return ReadNumber(store, key) == 1;
}

const wchar_t* SwitchText(bool on) {
    return on ? L"1" : L"0";
}

}  // namespace

uint32_t ConfirmColour(const std::wstring& text, uint32_t sample) {
    return ColourFromText(text).value_or(sample);
}

OptionsValues LoadOptionsValues(const SettingsStore& store, const std::vector<KeyEntry>& table) {
    OptionsValues v;
    for (size_t i = 0; i < kHotkeySlots.size(); ++i) {
        // An unreadable code shows "-使用しない-", like a code the table lacks.
        if (auto code = ReadNumber(store, kHotkeySlots[i].StoredAs))
            v.KeyIndex[i] = CodeToIndex(table, *code);
    }
    v.RateIndex = ReadAlphaIndex(store);
    v.SmoothAlpha = Ticked(store, Key::UseSmoothAlpha);
    v.Cpu = Ticked(store, Key::UseCpuMon);
    v.Clip = Ticked(store, Key::UseClipboard);
    v.ClipText = store.Read(Key::ClipText);
    v.CpuTime = store.Read(Key::CpuTime);
    v.DrawColourText = store.Read(Key::CpuCol1);
    v.BackColourText = store.Read(Key::CpuCol2);
    v.DrawSample = ConfirmColour(v.DrawColourText, v.DrawSample);
    v.BackSample = ConfirmColour(v.BackColourText, v.BackSample);
    v.WholeWindow = Ticked(store, Key::TargetWhole);
    v.RestoreOnExit = Ticked(store, Key::RestoreOnExit);
    v.Language = ReadLanguage(store);
    return v;
}

void WriteOptionsValues(SettingsStore& store, const OptionsValues& v,
                        const std::vector<KeyEntry>& table) {
    for (size_t i = 0; i < kHotkeySlots.size(); ++i)
        store.Write(kHotkeySlots[i].StoredAs, std::to_wstring(IndexToCode(table, v.KeyIndex[i])));
    store.Write(Key::Alpha, std::to_wstring(v.RateIndex.value_or(kFallbackRateIndex)));
    store.Write(Key::UseSmoothAlpha, SwitchText(v.SmoothAlpha));
    store.Write(Key::UseCpuMon, SwitchText(v.Cpu));
    store.Write(Key::UseClipboard, SwitchText(v.Clip));
    store.Write(Key::ClipText, v.ClipText);
    store.Write(Key::CpuTime, v.CpuTime);
    store.Write(Key::CpuCol1, ColourText(v.DrawSample));
    store.Write(Key::CpuCol2, ColourText(v.BackSample));
    // The later keys against what the one loading rule makes of the store.
    const RunningSettings stored = LoadStartupSettings(store);
    if (v.WholeWindow != stored.TargetWhole)
        store.Write(Key::TargetWhole, SwitchText(v.WholeWindow));
    if (v.RestoreOnExit != stored.RestoreOnExit)
        store.Write(Key::RestoreOnExit, SwitchText(v.RestoreOnExit));
    if (v.Language != stored.Language)
        store.Write(Key::Language, std::wstring(common::LanguageCode(v.Language)));
}

}  // namespace settings
