#include "common/registry_text.h"

#include <vector>

#include "common/unique_handle.h"

namespace common {

std::optional<std::wstring> ReadUserText(const wchar_t* subKey, const wchar_t* name) {
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, subKey, 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
        return std::nullopt;
    unique_hkey key(raw);
    // The value may grow between the size query and the read; try a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
        std::vector<wchar_t> buf(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
        LONG rc = RegQueryValueExW(key.get(), name, nullptr, &type,
                                   reinterpret_cast<BYTE*>(buf.data()), &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) return std::nullopt;
        // Stored data need not be NUL-terminated; never read past what came back.
        std::wstring text(buf.data(), got / sizeof(wchar_t));
        size_t nul = text.find(L'\0');
        if (nul != std::wstring::npos) text.resize(nul);
        return text;
    }
    return std::nullopt;
}

bool WriteUserText(const wchar_t* subKey, const wchar_t* name, const std::wstring& text) {
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &raw,
                        nullptr) != ERROR_SUCCESS)
        return false;
    unique_hkey key(raw);
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool DeleteUserValue(const wchar_t* subKey, const wchar_t* name) {
    HKEY raw = nullptr;
    LONG rc = RegOpenKeyExW(HKEY_CURRENT_USER, subKey, 0, KEY_SET_VALUE, &raw);
    if (rc == ERROR_FILE_NOT_FOUND) return true;
    if (rc != ERROR_SUCCESS) return false;
    unique_hkey key(raw);
    rc = RegDeleteValueW(key.get(), name);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

}  // namespace common
