#include "core/version_text.h"

#include "common/text.h"
#include "common/ui_texts.h"

namespace core {
namespace {

using common::TextOf;
using common::UiText;

std::wstring TwoDigits(unsigned value) {
    std::wstring s = std::to_wstring(value);
    if (s.size() < 2) s.insert(0, 2 - s.size(), L'0');
    return s;
}

}  // namespace

std::wstring VersionNumber(const common::FileVersion& v) {
    return std::to_wstring(v.Major) + L"." + TwoDigits(v.Minor) + L"." + TwoDigits(v.Revision);
}

std::wstring VersionLabel(const common::FileVersion& v, common::Language language) {
    return common::FillIn(TextOf(language, UiText::VersionLabel), {VersionNumber(v)});
}

std::wstring TrayTooltip(const common::FileVersion& v, int32_t processors,
                         common::Language language) {
    std::wstring tip = common::FillIn(TextOf(language, UiText::TrayTooltip),
                                      {VersionNumber(v), std::to_wstring(processors)});
    return common::CutUtf16(tip, 63);
}

VersionTexts VersionDialogTexts(const common::FileVersion& v, common::Language language) {
    return {std::wstring(TextOf(language, UiText::VersionCaption)),
            std::wstring(TextOf(language, UiText::VersionTitle)), VersionLabel(v, language),
            std::wstring(TextOf(language, UiText::OK)),
            std::wstring(TextOf(language, UiText::Credit))};
}

}  // namespace core
