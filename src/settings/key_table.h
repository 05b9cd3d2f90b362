// The keys offered for hotkeys in the options dialog.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace settings {

struct KeyEntry {
    std::wstring Name;
    int32_t Code = 0;
};

// The 24 entries, index 0 ("-使用しない-", code 0) to 23.
std::vector<KeyEntry> DefaultKeyTable();

// The last entry whose code equals `code`; 0 when none does.
int CodeToIndex(const std::vector<KeyEntry>& table, int32_t code);

// The code at `index`, or 0 for an index outside the table.
int32_t IndexToCode(const std::vector<KeyEntry>& table, int index);

}  // namespace settings
