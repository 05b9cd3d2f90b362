#include "common/companion_contract.h"

namespace common {
namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

}  // namespace

std::wstring CompanionCaption(int32_t handle) {
    return L"Corvel-" + std::to_wstring(handle);
}

std::wstring CompanionMutexName(int32_t handle) {
    return L"Local\\" + CompanionCaption(handle);
}

std::wstring CompanionPath(std::wstring_view ownProgramPath) {
    size_t slash = ownProgramPath.find_last_of(L"\\/");
    std::wstring_view folder = slash == std::wstring_view::npos
                                   ? std::wstring_view{}
                                   : ownProgramPath.substr(0, slash + 1);
    return std::wstring(folder) + L"Corvel.exe";
}

std::wstring CompanionCommandLine(std::wstring_view companionPath, int32_t handle) {
    return L"\"" + std::wstring(companionPath) + L"\" " + std::to_wstring(handle);
}

std::wstring_view ArgumentText(std::wstring_view commandLine) {
    std::wstring_view rest = commandLine;
    if (!rest.empty() && rest.front() == L'"') {
        size_t close = rest.find(L'"', 1);
        rest.remove_prefix(close == std::wstring_view::npos ? rest.size() : close + 1);
    } else {
        size_t i = 0;
        while (i < rest.size() && !IsBlank(rest[i])) ++i;
        rest.remove_prefix(i);
    }
    if (!rest.empty() && IsBlank(rest.front())) rest.remove_prefix(1);
    return rest;
}

std::optional<int32_t> TargetHandleFromArgument(std::wstring_view argument) {
    while (!argument.empty() && IsBlank(argument.front())) argument.remove_prefix(1);
    while (!argument.empty() && IsBlank(argument.back())) argument.remove_suffix(1);

    bool negative = false;
    if (!argument.empty() && (argument.front() == L'+' || argument.front() == L'-')) {
        negative = argument.front() == L'-';
        argument.remove_prefix(1);
    }
    if (argument.empty()) return std::nullopt;

    // Accumulate the magnitude in 64 bits and stop as soon as it cannot fit,
    // so a long run of digits never overflows the accumulator.
    constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;
    int64_t magnitude = 0;
    for (wchar_t c : argument) {
        if (c < L'0' || c > L'9') return std::nullopt;
        magnitude = magnitude * 10 + (c - L'0');
        if (magnitude > kLimit) return std::nullopt;
    }
    int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace common
