#include "settings/registry_store.h"

#include <windows.h>

#include <vector>

#include "common/unique_handle.h"

namespace settings {
namespace {

std::wstring SubKey() {
    std::wstring path = L"Software\\";
    path += kApplication;
    path += L"\\";
    path += kSection;
    return path;
}

}  // namespace

std::wstring RegistryStore::Read(Key key) const {
    const KeyInfo& info = Info(key);
    std::wstring fallback(info.defaultText);
    HKEY raw = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SubKey().c_str(), 0, KEY_QUERY_VALUE, &raw) !=
        ERROR_SUCCESS)
        return fallback;
    common::unique_hkey hkey(raw);
    std::wstring name(info.name);
    // The value may grow between the size query and the read; try a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS)
            return fallback;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return fallback;
        std::vector<wchar_t> buf(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
        LONG rc = RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(buf.data()), &got);
        if (rc == ERROR_MORE_DATA) continue;
        if (rc != ERROR_SUCCESS) return fallback;
        // Stored data need not be NUL-terminated; never read past what came back.
        size_t chars = got / sizeof(wchar_t);
        std::wstring text(buf.data(), chars);
        size_t nul = text.find(L'\0');
        if (nul != std::wstring::npos) text.resize(nul);
        return text;
    }
    return fallback;
}

bool RegistryStore::Write(Key key, const std::wstring& text) {
    HKEY raw = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SubKey().c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &raw, nullptr) != ERROR_SUCCESS)
        return false;
    common::unique_hkey hkey(raw);
    std::wstring name(Info(key).name);
    DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(hkey.get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace settings
