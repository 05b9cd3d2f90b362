// The languages the two programs show their texts in, and the stored text
// that chooses one. No <windows.h>.
#pragma once

#include <array>
#include <string_view>

namespace common {

enum class Language { Japanese, English };

inline constexpr Language kDefaultLanguage = Language::Japanese;

// In the order the options dialog lists them.
inline constexpr std::array<Language, 2> kLanguages{Language::Japanese, Language::English};

// The value under the settings key that holds the choice; Corvel reads it
// too, so it is named here rather than with Vitrane's keys.
inline constexpr std::wstring_view kLanguageValueName = L"LANGUAGE";

// "ja" or "en" as stored.
std::wstring_view LanguageCode(Language language);

// The stored text "ja" or "en", exactly; anything else (nothing stored, a
// hand-edited value) is the default.
Language LanguageFromStored(std::wstring_view text);

// The position of a language in kLanguages, and back (the default for a
// position outside it).
int LanguageIndex(Language language);
Language LanguageAt(int index);

}  // namespace common
