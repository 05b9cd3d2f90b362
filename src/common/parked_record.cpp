#include "common/parked_record.h"

#include <charconv>
#include <string>

namespace common {
namespace {

// Plain decimal digits (a minus only where `negative` is allowed), no blanks,
// no leading zeros: exactly what std::to_wstring writes.
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

std::wstring ParkedValueName(int32_t window) {
    return std::to_wstring(window);
}

std::wstring EncodeParked(const ParkedWindow& r) {
    return std::to_wstring(r.Window) + L' ' + std::to_wstring(r.WindowProcess) + L' ' +
           std::to_wstring(r.CompanionProcess) + L' ' + std::to_wstring(r.CompanionStart);
}

std::optional<ParkedWindow> DecodeParked(std::wstring_view name, std::wstring_view data) {
    std::wstring_view fields[4];
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        size_t blank = data.find(L' ', start);
        if ((blank == std::wstring_view::npos) != (i == 3)) return std::nullopt;
        fields[i] =
            data.substr(start, blank == std::wstring_view::npos ? data.npos : blank - start);
        start = blank + 1;
    }
    auto window = ParseExact<int32_t>(fields[0]);
    auto windowProcess = ParseExact<uint32_t>(fields[1]);
    auto companion = ParseExact<uint32_t>(fields[2]);
    auto companionStart = ParseExact<uint64_t>(fields[3]);
    if (!window || !windowProcess || !companion || !companionStart) return std::nullopt;
    if (name != ParkedValueName(*window)) return std::nullopt;
    return ParkedWindow{*window, *windowProcess, *companion, *companionStart};
}

ParkedAction ActionForParked(const ParkedWindow& record, const ParkedWindowNow& now) {
    if (now.CompanionRunning) return ParkedAction::Keep;
    // A closed window, a handle now used by another program, or a window that
    // is on screen again: none of it is the companion's to give back.
    if (now.WindowProcess == 0 || now.WindowProcess != record.WindowProcess) {
        return ParkedAction::Forget;
    }
    return now.WindowVisible ? ParkedAction::Forget : ParkedAction::TakeOut;
}

}  // namespace common
