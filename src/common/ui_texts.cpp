#include "common/ui_texts.h"

namespace common {

std::wstring_view TextOf(Language language, UiText id) {
    if (id == UiText::None || id == UiText::Count) return {};
    return language == Language::English ? EnglishText(id) : JapaneseText(id);
}

std::wstring FillIn(std::wstring_view pattern, std::initializer_list<std::wstring_view> values) {
    std::wstring out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        // "{n}" with one digit n naming a value given.
        if (pattern[i] == L'{' && i + 2 < pattern.size() && pattern[i + 2] == L'}') {
            size_t n = static_cast<size_t>(pattern[i + 1] - L'0');
            if (pattern[i + 1] >= L'0' && pattern[i + 1] <= L'9' && n < values.size()) {
                out += values.begin()[n];
                i += 2;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace common
