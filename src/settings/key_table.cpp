#include "settings/key_table.h"

#include "common/ui_texts.h"

namespace settings {

std::vector<KeyEntry> DefaultKeyTable(common::Language language) {
    std::vector<KeyEntry> table = {
        {L"", 0},          {L"F1", 112},   {L"F2", 113},         {L"F3", 114},    {L"F4", 115},
        {L"F5", 116},      {L"F6", 117},   {L"F7", 118},         {L"F8", 119},    {L"F9", 120},
        {L"F10", 121},     {L"F11", 122},  {L"F12", 123},        {L"ESC", 27},    {L"Insert", 45},
        {L"Delete", 46},   {L"Home", 36},  {L"End", 35},         {L"PageUp", 33}, {L"PageDown", 34},
        {L"NumLock", 144}, {L"Print", 42}, {L"ScrollLock", 145}, {L"Pause", 19},
    };
    table[0].Name = common::TextOf(language, common::UiText::KeyNone);  // no key
    return table;
}

int CodeToIndex(const std::vector<KeyEntry>& table, int32_t code) {
    int index = 0;
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].Code == code) index = static_cast<int>(i);
    return index;
}

int32_t IndexToCode(const std::vector<KeyEntry>& table, int index) {
    if (index < 0 || static_cast<size_t>(index) >= table.size()) return 0;
    return table[static_cast<size_t>(index)].Code;
}

}  // namespace settings
