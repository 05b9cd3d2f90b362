// "Windows の起動時に開始": no stored option but the value Vitrane under the
// current user's Run key, holding the quoted path of the program. What the
// box shows and what OK does with it. No <windows.h>.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

inline constexpr std::wstring_view kRunKeyPath =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::wstring_view kRunValueName = L"Vitrane";

// The Run value of one program file.
class RunEntry {
  public:
    virtual ~RunEntry() = default;
    // The full path of the program the value is to start.
    virtual std::wstring ProgramPath() const = 0;
    // The value's text, or nothing when there is no value.
    virtual std::optional<std::wstring> Read() const = 0;
    virtual bool Write(const std::wstring& text) = 0;
    virtual bool Remove() = 0;
};

// What the value holds to start the program: its path in quotes, so a
// folder with blanks in its name is never read as a program and arguments.
std::wstring RunCommandFor(std::wstring_view programPath);

// Whether a Run value starts that program file: its path, quoted or not,
// blanks around it and arguments after the quoted form allowed, the same
// file however its ASCII letters are cased.
bool StartsProgram(std::wstring_view runValue, std::wstring_view programPath);

// The box is ticked when the value exists and starts this program.
bool StartsWithWindows(const RunEntry& entry);

// OK: the value is written or deleted only when the box was changed since
// the dialog showed it, so a value that starts another copy of the program
// stays unless the box is ticked.
void ApplyStartWithWindows(RunEntry& entry, bool shown, bool ticked);

}  // namespace settings
