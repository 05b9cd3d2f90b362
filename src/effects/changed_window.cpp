#include "effects/changed_window.h"

#include "common/decimal_text.h"

namespace effects {
namespace {

constexpr size_t kFields = 10;

std::optional<bool> Bit(std::wstring_view text) {
    if (text == L"0") return false;
    if (text == L"1") return true;
    return std::nullopt;
}

std::optional<Layering> LayeringOf(std::wstring_view kind, std::wstring_view key,
                                   std::wstring_view alpha, std::wstring_view flags) {
    auto k = common::ExactUint32(kind);
    auto keyValue = common::ExactUint32(key);
    auto alphaValue = common::ExactUint32(alpha);
    auto flagValue = common::ExactUint32(flags);
    if (!k || !keyValue || !alphaValue || !flagValue || *alphaValue > 255) return std::nullopt;
    Layering l;
    switch (*k) {
        case 0:
            l = NotLayered();
            break;
        case 1:
            l = LayeredWith(*keyValue, static_cast<uint8_t>(*alphaValue), *flagValue);
            break;
        case 2:
            l = SelfDrawnLayering();
            break;
        default:
            return std::nullopt;
    }
    // Only the form EncodeChanged writes: nothing beside a layering without
    // attributes, no flags but the two.
    if (l.Key != *keyValue || l.Alpha != *alphaValue || l.Flags != *flagValue) return std::nullopt;
    if (l.Flags & ~(kColourKeyFlag | kAlphaFlag)) return std::nullopt;
    return l;
}

}  // namespace

Layering NotLayered() {
    return Layering{};
}

Layering SelfDrawnLayering() {
    Layering l;
    l.kind = Layering::Kind::SelfDrawn;
    return l;
}

Layering LayeredWith(uint32_t key, uint8_t alpha, uint32_t flags) {
    // A key or alpha without its flag counts for nothing, and the system may
    // keep any old value there.
    if (!(flags & kColourKeyFlag)) key = 0;
    if (!(flags & kAlphaFlag)) alpha = 255;
    return Layering{Layering::Kind::Attributes, key, alpha, flags};
}

std::wstring ChangedValueName(int32_t window) {
    return std::to_wstring(window);
}

std::wstring EncodeChanged(const ChangedWindow& r) {
    const Layering& l = r.Before.Layer;
    std::wstring text;
    for (uint64_t v :
         {static_cast<uint64_t>(l.kind), uint64_t{l.Key}, uint64_t{l.Alpha}, uint64_t{l.Flags},
          uint64_t{r.Before.Topmost}, uint64_t{r.Before.ToolWindow}, uint64_t{r.Before.AppWindow}})
        text += L' ' + std::to_wstring(v);
    return std::to_wstring(r.Window) + L' ' + std::to_wstring(r.Owner.Process) + L' ' +
           std::to_wstring(r.Owner.Start) + text;
}

std::optional<ChangedWindow> DecodeChanged(std::wstring_view name, std::wstring_view data) {
    auto f = common::BlankSeparated(data, kFields);
    if (!f) return std::nullopt;
    const auto& fields = *f;
    auto window = common::ExactInt32(fields[0]);
    auto process = common::ExactUint32(fields[1]);
    auto start = common::ExactUint64(fields[2]);
    auto layer = LayeringOf(fields[3], fields[4], fields[5], fields[6]);
    auto topmost = Bit(fields[7]), tool = Bit(fields[8]), app = Bit(fields[9]);
    if (!window || !process || !start || !layer || !topmost || !tool || !app) return std::nullopt;
    if (name != ChangedValueName(*window)) return std::nullopt;
    return ChangedWindow{*window, {*process, *start}, {*layer, *topmost, *tool, *app}};
}

}  // namespace effects
