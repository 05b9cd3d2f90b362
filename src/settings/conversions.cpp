#include "settings/conversions.h"

namespace settings {
namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

std::wstring_view TrimBlanks(std::wstring_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

std::optional<int32_t> FromHex(std::wstring_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    uint32_t v = 0;
    for (wchar_t c : digits) {
        int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    return static_cast<int32_t>(v);
}

std::optional<int32_t> FromDecimal(std::wstring_view s) {
    bool negative = false;
    if (!s.empty() && (s.front() == L'+' || s.front() == L'-')) {
        negative = s.front() == L'-';
        s.remove_prefix(1);
    }
    if (s.empty()) return std::nullopt;
    int64_t v = 0;
    for (wchar_t c : s) {
        if (c < L'0' || c > L'9') return std::nullopt;
        v = v * 10 + (c - L'0');
        if (v > 2147483648LL) return std::nullopt;
    }
    if (negative) v = -v;
    if (v > INT32_MAX || v < INT32_MIN) return std::nullopt;
    return static_cast<int32_t>(v);
}

}  // namespace

std::optional<int32_t> ToLong(std::wstring_view text) {
    std::wstring_view s = TrimBlanks(text);
    if (s.size() >= 2 && s[0] == L'&' && (s[1] == L'H' || s[1] == L'h'))
        return FromHex(s.substr(2));
    return FromDecimal(s);
}

std::optional<uint32_t> ColourFromText(std::wstring_view text) {
    std::wstring prefixed = L"&H";
    prefixed += text;
    auto v = ToLong(prefixed);
    if (!v || *v < 0 || *v > 0xFFFFFF) return std::nullopt;
    return static_cast<uint32_t>(*v);
}

std::wstring ColourText(uint32_t colour) {
    static const wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring out(6, L'0');
    for (int i = 5; i >= 0; --i) {
        out[static_cast<size_t>(i)] = kDigits[colour & 0xF];
        colour >>= 4;
    }
    return out;
}

}  // namespace settings
