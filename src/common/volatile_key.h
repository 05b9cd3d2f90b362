// Keys beside the settings that the system drops at log-off (volatile): what
// they hold names processes and windows of this session only.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "common/registry_text.h"
#include "common/unique_handle.h"

namespace common {

// Opens the subkey `name` of the settings key, creating it volatile when it
// does not exist. An existing key is opened as it is: see MakeVolatile.
unique_hkey CreateVolatileSubKey(const wchar_t* name, REGSAM access);

// Opens the subkey when it exists.
unique_hkey OpenSubKey(const wchar_t* name, REGSAM access);

// Whether an open key is volatile (a volatile key takes only volatile
// children); nothing when that cannot be told.
std::optional<bool> IsVolatile(HKEY key);

// A subkey that exists as an ordinary key (a .reg file imported again) keeps
// what it holds across log-offs: it is deleted with everything under it and
// made again, volatile and empty. Read what it holds first. True when the
// key is volatile now.
bool MakeVolatile(const wchar_t* name);

// The short text values such keys hold (a few numbers each).
struct TextValue {
    std::wstring Name;
    std::optional<std::wstring> Text;  // nothing: not a short REG_SZ
};
std::vector<TextValue> ReadTextValues(HKEY key);
std::optional<std::wstring> ReadTextValue(HKEY key, const std::wstring& name);
bool WriteTextValue(HKEY key, const std::wstring& name, const std::wstring& text);

}  // namespace common
