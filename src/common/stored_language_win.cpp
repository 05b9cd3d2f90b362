#include "common/stored_language.h"

#include <string>

#include "common/registry_text.h"

namespace common {

Language ReadStoredLanguage() {
    std::wstring name(kLanguageValueName);
    return LanguageFromStored(ReadUserText(kSettingsKeyPath, name.c_str()).value_or(L""));
}

}  // namespace common
