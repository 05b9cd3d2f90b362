#include "effects/changed_registry.h"

#include "common/unique_handle.h"
#include "common/volatile_key.h"

namespace effects {
namespace {

void DeleteValue(const std::wstring& name) {
    common::unique_hkey key = common::OpenSubKey(kChangedSubKey, KEY_SET_VALUE);
    if (key) RegDeleteValueW(key.get(), name.c_str());
}

}  // namespace

bool WriteChanged(const ChangedWindow& record) {
    common::unique_hkey key = common::CreateVolatileSubKey(kChangedSubKey, KEY_SET_VALUE);
    return key && common::WriteTextValue(key.get(), ChangedValueName(record.Window),
                                         EncodeChanged(record));
}

void DeleteChanged(int32_t window) {
    DeleteValue(ChangedValueName(window));
}

std::vector<ChangedWindow> ReadAllChanged(bool& remade) {
    remade = false;
    std::vector<ChangedWindow> records;
    std::vector<common::TextValue> values;
    {
        common::unique_hkey key =
            common::OpenSubKey(kChangedSubKey, KEY_QUERY_VALUE | KEY_CREATE_SUB_KEY);
        if (!key) return records;
        values = common::ReadTextValues(key.get());
        // An ordinary key (a .reg file imported again) would outlive the session.
        remade = !common::IsVolatile(key.get()).value_or(true);
    }
    if (remade) common::MakeVolatile(kChangedSubKey);
    for (const auto& v : values) {
        auto record = v.Text ? DecodeChanged(v.Name, *v.Text) : std::nullopt;
        if (record)
            records.push_back(*record);
        else if (!remade)
            DeleteValue(v.Name);
    }
    return records;
}

}  // namespace effects
