#include "common/parked_record.h"

#include <string>

#include "common/decimal_text.h"

namespace common {

std::wstring ParkedValueName(int32_t window) {
    return std::to_wstring(window);
}

std::wstring EncodeParked(const ParkedWindow& r) {
    return std::to_wstring(r.Window) + L' ' + std::to_wstring(r.WindowProcess) + L' ' +
           std::to_wstring(r.CompanionProcess) + L' ' + std::to_wstring(r.CompanionStart);
}

std::optional<ParkedWindow> DecodeParked(std::wstring_view name, std::wstring_view data) {
    auto fields = BlankSeparated(data, 4);
    if (!fields) return std::nullopt;
    auto window = ExactInt32((*fields)[0]);
    auto windowProcess = ExactUint32((*fields)[1]);
    auto companion = ExactUint32((*fields)[2]);
    auto companionStart = ExactUint64((*fields)[3]);
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
