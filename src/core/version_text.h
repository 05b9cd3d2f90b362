// Texts made from the program's version and the processor count.
#pragma once

#include <cstdint>
#include <string>

#include "common/file_version.h"
#include "common/language.h"

namespace core {

// "1.40.00": major, minor as two digits, revision as two digits.
std::wstring VersionNumber(const common::FileVersion& v);

// "ﾊﾞｰｼﾞｮﾝ 1.40.00"
std::wstring VersionLabel(const common::FileVersion& v,
                          common::Language language = common::kDefaultLanguage);

// The tray tooltip, cut to what the tray holds (63 characters).
std::wstring TrayTooltip(const common::FileVersion& v, int32_t processors,
                         common::Language language = common::kDefaultLanguage);

// What the version dialog shows.
struct VersionTexts {
    std::wstring Caption, Title, Label, OK, Credit;
};
VersionTexts VersionDialogTexts(const common::FileVersion& v, common::Language language);

}  // namespace core
