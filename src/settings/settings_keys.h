// The stored keys with their defaults: the one table every reader uses.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "common/language.h"

namespace settings {

enum class Key {
    UseAlpha,
    UseOnTop,
    UseShowTask,
    UseCorvel,
    Alpha,
    UseSmoothAlpha,
    UseCpuMon,
    UseClipboard,
    ClipText,
    CpuTime,
    CpuCol1,
    CpuCol2,
    TargetWhole,
    RestoreOnExit,
    Language,
};

struct KeyInfo {
    Key key;
    std::wstring_view name;
    std::wstring_view defaultText;
};

// In the order the options dialog writes them.
inline constexpr std::array<KeyInfo, 15> kStoredKeys{{
    {Key::UseAlpha, L"USE_ALPHA", L"122"},
    {Key::UseOnTop, L"USE_ONTOP", L"123"},
    {Key::UseShowTask, L"USE_SHOWTASK", L"0"},
    {Key::UseCorvel, L"USE_CORVEL", L"0"},
    {Key::Alpha, L"ALPHA", L"4"},
    {Key::UseSmoothAlpha, L"USE_SMS_ALPHA", L"0"},
    {Key::UseCpuMon, L"USE_CPU_MON", L"0"},
    {Key::UseClipboard, L"USE_CLIPBOARD", L"0"},
    {Key::ClipText, L"CLIP_TEXT", L""},
    {Key::CpuTime, L"CPU_TIME", L"1000"},
    {Key::CpuCol1, L"CPU_COL1", L"00FF00"},
    {Key::CpuCol2, L"CPU_COL2", L"000000"},
    {Key::TargetWhole, L"TARGET_WHOLE", L"0"},
    {Key::RestoreOnExit, L"RESTORE_ON_EXIT", L"0"},
    {Key::Language, common::kLanguageValueName, L"ja"},
}};

// The twelve keys OK writes every time, changed or not, as it always has.
inline constexpr std::span<const KeyInfo, 12> kKeys{kStoredKeys.data(), 12};
// The keys that came later: OK writes one only when the dialog's value is not
// what the store already gives, so a store that never held it keeps it absent.
inline constexpr std::span<const KeyInfo, kStoredKeys.size() - 12> kLaterKeys{
    kStoredKeys.data() + 12, kStoredKeys.size() - 12};

inline constexpr const KeyInfo& Info(Key key) {
    return kStoredKeys[static_cast<size_t>(key)];
}

// The stored default of a key that holds a plain decimal number.
constexpr int32_t DefaultNumber(Key key) {
    int32_t v = 0;
    for (wchar_t c : Info(key).defaultText) v = v * 10 + (c - L'0');
    return v;
}

// The stored default of a colour key: six hexadecimal digits, upper case.
constexpr uint32_t DefaultColour(Key key) {
    uint32_t v = 0;
    for (wchar_t c : Info(key).defaultText)
        v = v * 16 + static_cast<uint32_t>(c <= L'9' ? c - L'0' : c - L'A' + 10);
    return v;
}

inline constexpr std::wstring_view kApplication = L"hollin";
inline constexpr std::wstring_view kSection = L"LayeredWindow";

}  // namespace settings
