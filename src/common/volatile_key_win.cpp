#include "common/volatile_key.h"

#include <string>

namespace common {
namespace {

constexpr const wchar_t* kProbeName = L"VolatileProbe";

unique_hkey SettingsKey(REGSAM access) {
    // The settings key itself is made as an ordinary key first: keys created
    // on the way to a volatile one would be volatile too, and the settings
    // would go at log-off.
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        access, nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return {};
    return unique_hkey(raw);
}

// RegDeleteTree is Vista's; a key and its subkeys, depth first.
bool DeleteTree(HKEY parent, const wchar_t* name) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(parent, name, 0, KEY_ENUMERATE_SUB_KEYS | DELETE, &raw) != ERROR_SUCCESS)
        return false;
    unique_hkey key(raw);
    wchar_t child[256];
    while (true) {
        DWORD length = 256;
        if (RegEnumKeyExW(key.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (!DeleteTree(key.get(), child)) return false;
    }
    key.reset();
    return RegDeleteKeyW(parent, name) == ERROR_SUCCESS;
}

}  // namespace

unique_hkey CreateVolatileSubKey(const wchar_t* name, REGSAM access) {
    unique_hkey settings = SettingsKey(KEY_CREATE_SUB_KEY);
    if (!settings) return {};
    HKEY raw = nullptr;
    if (RegCreateKeyExW(settings.get(), name, 0, nullptr, REG_OPTION_VOLATILE, access, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS)
        return {};
    return unique_hkey(raw);
}

unique_hkey OpenSubKey(const wchar_t* name, REGSAM access) {
    std::wstring path = std::wstring(kSettingsKeyPath) + L"\\" + name;
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, &raw) != ERROR_SUCCESS) return {};
    return unique_hkey(raw);
}

std::optional<bool> IsVolatile(HKEY key) {
    // No documented call tells; an ordinary child is refused only under a
    // volatile key.
    HKEY raw = nullptr;
    DWORD disposition = 0;
    LONG result = RegCreateKeyExW(key, kProbeName, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ,
                                  nullptr, &raw, &disposition);
    if (result == ERROR_CHILD_MUST_BE_VOLATILE) return true;
    if (result != ERROR_SUCCESS) return std::nullopt;
    RegCloseKey(raw);
    if (disposition == REG_CREATED_NEW_KEY) RegDeleteKeyW(key, kProbeName);
    return false;
}

bool MakeVolatile(const wchar_t* name) {
    {
        unique_hkey existing = OpenSubKey(name, KEY_CREATE_SUB_KEY);
        if (existing) {
            std::optional<bool> isVolatile = IsVolatile(existing.get());
            if (isVolatile.value_or(false)) return true;
            existing.reset();
            unique_hkey settings = SettingsKey(KEY_ENUMERATE_SUB_KEYS);
            if (!settings || !DeleteTree(settings.get(), name)) return false;
        }
    }
    return static_cast<bool>(CreateVolatileSubKey(name, KEY_READ));
}

std::optional<std::wstring> ReadTextValue(HKEY key, const std::wstring& name) {
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ || bytes > 256)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()),
                         &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
    return text;
}

std::vector<TextValue> ReadTextValues(HKEY key) {
    std::vector<TextValue> values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[64];
        DWORD length = 64;
        LONG result = RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result == ERROR_MORE_DATA) continue;  // a name no record has
        if (result != ERROR_SUCCESS) break;
        std::wstring valueName(name, length);
        values.push_back({valueName, ReadTextValue(key, valueName)});
    }
    return values;
}

bool WriteTextValue(HKEY key, const std::wstring& name, const std::wstring& text) {
    return RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

}  // namespace common
