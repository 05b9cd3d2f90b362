// UTF-16 helpers without <windows.h>.
#pragma once

#include <string>
#include <string_view>

namespace common {

// At most maxUnits UTF-16 units, never ending inside a surrogate pair.
std::wstring CutUtf16(std::wstring_view text, size_t maxUnits);

}  // namespace common
