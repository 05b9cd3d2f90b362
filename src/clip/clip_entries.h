// The stored clip list, one entry per CR LF.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace clip {

// Parts between CR LF pairs (a lone CR or LF does not split), without the
// entries that are empty or spaces only (U+0020 or the full-width U+3000);
// kept exactly as stored otherwise.
std::vector<std::wstring> ClipEntries(std::wstring_view stored);

// The stored list after adding `entry`, or nothing when the entry is blank
// as above.
std::optional<std::wstring> AppendClip(std::wstring_view stored, std::wstring_view entry);

}  // namespace clip
