// Corvel's command line: everything after the program path is the target's handle.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace companion {

// The text after the program path, which may be quoted ("C:\a b\Corvel.exe" 1234)
// or not (C:\x\Corvel.exe 1234). One separating blank is dropped; the rest is
// left as it is, since the handle test allows blanks around the number.
std::wstring_view ArgumentText(std::wstring_view commandLine);

// A decimal integer with an optional sign and blanks (spaces, tabs) around it,
// within the 32-bit signed range. Anything else (empty, letters, fractions,
// a value beyond 32 bits) gives nothing: the program then ends silently.
std::optional<int32_t> TargetHandleFromArgument(std::wstring_view argument);

}  // namespace companion
