// The keys offered for hotkeys in the options dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/language.h"

namespace settings {

struct KeyEntry {
    std::wstring Name;
    int32_t Code = 0;
};

// The 24 entries, index 0 ("-使用しない-", code 0) to 23; only the first
// one's name depends on the language.
std::vector<KeyEntry> DefaultKeyTable(common::Language language = common::kDefaultLanguage);

// The last entry whose code equals `code`; 0 when none does.
int CodeToIndex(const std::vector<KeyEntry>& table, int32_t code);

// The code at `index`, or 0 for an index outside the table.
int32_t IndexToCode(const std::vector<KeyEntry>& table, int index);

}  // namespace settings
