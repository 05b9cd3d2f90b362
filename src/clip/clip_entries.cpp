#include "clip/clip_entries.h"

namespace clip {
namespace {

// Nothing but spaces, ordinary or full-width (what an IME types for one).
bool IsBlank(std::wstring_view entry) {
    return entry.find_first_not_of(L" \u3000") == std::wstring_view::npos;
}

}  // namespace

std::vector<std::wstring> ClipEntries(std::wstring_view stored) {
    std::vector<std::wstring> out;
    if (stored.empty()) return out;
    size_t start = 0;
    while (true) {
        size_t pos = stored.find(L"\r\n", start);
        std::wstring_view part = stored.substr(
            start, pos == std::wstring_view::npos ? std::wstring_view::npos : pos - start);
        if (!IsBlank(part)) out.emplace_back(part);
        if (pos == std::wstring_view::npos) break;
        start = pos + 2;
    }
    return out;
}

std::optional<std::wstring> AppendClip(std::wstring_view stored, std::wstring_view entry) {
    if (IsBlank(entry)) return std::nullopt;
    std::wstring v(stored);
    v += L"\r\n";
    v += entry;
    return v;
}

}  // namespace clip
