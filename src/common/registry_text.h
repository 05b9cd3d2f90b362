// Text values of the current user's registry, as both programs keep them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace common {

// HKEY_CURRENT_USER\Software\hollin\LayeredWindow: Vitrane's settings.
inline constexpr const wchar_t* kSettingsKeyPath = L"Software\\hollin\\LayeredWindow";

// The value as text (REG_SZ or REG_EXPAND_SZ, not expanded), cut at its first
// NUL; nothing when the key or the value is missing or holds another type.
std::optional<std::wstring> ReadUserText(const wchar_t* subKey, const wchar_t* name);

// Writes a REG_SZ value, creating the key when it is missing.
bool WriteUserText(const wchar_t* subKey, const wchar_t* name, const std::wstring& text);

// True when the value is gone afterwards (also when it never was there).
bool DeleteUserValue(const wchar_t* subKey, const wchar_t* name);

}  // namespace common
