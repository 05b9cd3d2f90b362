#include "settings/start_with_windows.h"

namespace settings {
namespace {

std::wstring_view TrimBlanks(std::wstring_view s) {
    while (!s.empty() && (s.front() == L' ' || s.front() == L'\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == L' ' || s.back() == L'\t')) s.remove_suffix(1);
    return s;
}

// The program part of a command: what the quotes hold, or all of it.
std::wstring_view ProgramOf(std::wstring_view command) {
    command = TrimBlanks(command);
    if (command.empty() || command.front() != L'"') return command;
    command.remove_prefix(1);
    size_t close = command.find(L'"');
    return close == std::wstring_view::npos ? command : command.substr(0, close);
}

wchar_t FoldAscii(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool SameIgnoringAsciiCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

}  // namespace

std::wstring RunCommandFor(std::wstring_view programPath) {
    return L"\"" + std::wstring(programPath) + L"\"";
}

bool StartsProgram(std::wstring_view runValue, std::wstring_view programPath) {
    std::wstring_view program = ProgramOf(runValue);
    return !program.empty() && SameIgnoringAsciiCase(program, programPath);
}

bool StartsWithWindows(const RunEntry& entry) {
    std::optional<std::wstring> value = entry.Read();
    return value && StartsProgram(*value, entry.ProgramPath());
}

void ApplyStartWithWindows(RunEntry& entry, bool shown, bool ticked) {
    if (ticked == shown) return;
    if (ticked) {
        entry.Write(RunCommandFor(entry.ProgramPath()));
    } else {
        entry.Remove();
    }
}

}  // namespace settings
