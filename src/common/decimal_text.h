// Numbers in the records beside the settings: plain decimal exactly as
// std::to_wstring writes it, fields separated by single blanks. Anything
// else is no number, so a hand-edited value is never half read. No <windows.h>.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace common {

std::optional<int32_t> ExactInt32(std::wstring_view text);
std::optional<uint32_t> ExactUint32(std::wstring_view text);
std::optional<uint64_t> ExactUint64(std::wstring_view text);

// The `count` fields of `text`, one blank between each two; nothing when
// there are more or fewer, or other blanks.
std::optional<std::vector<std::wstring_view>> BlankSeparated(std::wstring_view text, size_t count);

}  // namespace common
