#include "common/decimal_text.h"

#include <charconv>
#include <string>

namespace common {
namespace {

// Plain decimal digits (and a minus), no blanks, no leading zeros: exactly
// what std::to_wstring writes.
template <typename T>
std::optional<T> ParseExact(std::wstring_view text) {
    if (text.empty() || text.size() > 24) return std::nullopt;
    std::string narrow;
    for (wchar_t c : text) {
        if (c != L'-' && (c < L'0' || c > L'9')) return std::nullopt;
        narrow += static_cast<char>(c);
    }
    T value{};
    auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
    if (error != std::errc{} || end != narrow.data() + narrow.size()) return std::nullopt;
    if (std::to_string(value) != narrow) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int32_t> ExactInt32(std::wstring_view text) {
    return ParseExact<int32_t>(text);
}

std::optional<uint32_t> ExactUint32(std::wstring_view text) {
    return ParseExact<uint32_t>(text);
}

std::optional<uint64_t> ExactUint64(std::wstring_view text) {
    return ParseExact<uint64_t>(text);
}

std::optional<std::vector<std::wstring_view>> BlankSeparated(std::wstring_view text, size_t count) {
    std::vector<std::wstring_view> fields;
    size_t start = 0;
    for (size_t i = 0; i < count; ++i) {
        size_t blank = text.find(L' ', start);
        bool last = i + 1 == count;
        if ((blank == std::wstring_view::npos) != last) return std::nullopt;
        fields.push_back(text.substr(start, last ? text.npos : blank - start));
        start = blank + 1;
    }
    return fields;
}

}  // namespace common
