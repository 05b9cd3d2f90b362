#include "common/language.h"

namespace common {

std::wstring_view LanguageCode(Language language) {
    return language == Language::English ? L"en" : L"ja";
}

Language LanguageFromStored(std::wstring_view text) {
    for (Language language : kLanguages)
        if (text == LanguageCode(language)) return language;
    return kDefaultLanguage;
}

int LanguageIndex(Language language) {
    for (size_t i = 0; i < kLanguages.size(); ++i)
        if (kLanguages[i] == language) return static_cast<int>(i);
    return LanguageIndex(kDefaultLanguage);
}

Language LanguageAt(int index) {
    if (index < 0 || static_cast<size_t>(index) >= kLanguages.size()) return kDefaultLanguage;
    return kLanguages[static_cast<size_t>(index)];
}

}  // namespace common
