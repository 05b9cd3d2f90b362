// What Vitrane and Corvel agree on: how Vitrane starts the companion of a
// window, how it finds it again, and how it asks it to let the window go.
// Other programs and running companions rely on these texts and numbers.
// No <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Posted by Vitrane to a companion's window: give the window back and end.
// Only this exact triple counts.
inline constexpr uint32_t kReleaseMessage = 0x0400 + 2;  // WM_USER + 2
inline constexpr uintptr_t kReleaseWParam = 964;
inline constexpr intptr_t kReleaseLParam = 4649;

// "Corvel-" and the handle in signed decimal: the caption of the companion's
// window, by which Vitrane finds it.
std::wstring CompanionCaption(int32_t handle);

// One mutex per target window, so a second companion for it ends at start-up.
// Session-local, as window handles are.
std::wstring CompanionMutexName(int32_t handle);

// Corvel.exe in the folder of the given program file.
std::wstring CompanionPath(std::wstring_view ownProgramPath);

// The quoted program path, a blank and the handle: a folder with blanks in
// its name can never be read as another program and its arguments.
std::wstring CompanionCommandLine(std::wstring_view companionPath, int32_t handle);

// The text after the program path, which may be quoted ("C:\a b\Corvel.exe" 1234)
// or not (C:\x\Corvel.exe 1234). One separating blank is dropped; the rest is
// left as it is, since the handle test allows blanks around the number.
std::wstring_view ArgumentText(std::wstring_view commandLine);

// A decimal integer with an optional sign and blanks (spaces, tabs) around it,
// within the 32-bit signed range. Anything else (empty, letters, fractions,
// a value beyond 32 bits) gives nothing: the companion then ends silently.
std::optional<int32_t> TargetHandleFromArgument(std::wstring_view argument);

}  // namespace common
