// What the options dialog shows, read from the store when it opens, and what
// OK writes back. No <windows.h>: the dialog moves these to and from its controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/hotkey_slots.h"
#include "settings/key_table.h"
#include "settings/settings_store.h"

namespace settings {

struct OptionsValues {
    std::array<int, kHotkeySlots.size()> KeyIndex{};  // selection of each hotkey list
    std::optional<int> RateIndex;                     // nothing: the rate list has no selection
    bool SmoothAlpha = false, Cpu = false, Clip = false;
    // Until the store says otherwise, the fields show the keys' defaults.
    std::wstring ClipText;
    std::wstring CpuTime{Info(Key::CpuTime).defaultText};
    std::wstring DrawColourText{Info(Key::CpuCol1).defaultText};
    std::wstring BackColourText{Info(Key::CpuCol2).defaultText};
    uint32_t DrawSample = DefaultColour(Key::CpuCol1);  // the samples' fill colours
    uint32_t BackSample = DefaultColour(Key::CpuCol2);
    // The general group.
    bool WholeWindow = false, RestoreOnExit = false;
    common::Language Language = common::kDefaultLanguage;
};

// What Enter does in a colour field: the sample's new colour, or the one it
// had when the text is no colour (the sample refuses values above FFFFFF).
uint32_t ConfirmColour(const std::wstring& text, uint32_t sample);

// The load steps: each control gets what the store holds, or keeps its
// initial state when the stored text cannot be used.
OptionsValues LoadOptionsValues(const SettingsStore& store, const std::vector<KeyEntry>& table);

// OK: all twelve keys, in the store's key order, changed or not; then each
// later key whose value is not what the store already gives.
void WriteOptionsValues(SettingsStore& store, const OptionsValues& v,
                        const std::vector<KeyEntry>& table);

// The rate written when the list has no selection.
inline constexpr int kFallbackRateIndex = DefaultNumber(Key::Alpha);

}  // namespace settings
