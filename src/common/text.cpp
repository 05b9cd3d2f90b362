#include "common/text.h"

namespace common {

std::wstring CutUtf16(std::wstring_view text, size_t maxUnits) {
    if (text.size() <= maxUnits) return std::wstring(text);
    size_t n = maxUnits;
    // A high surrogate at the cut would leave half a character.
    if (n > 0) {
        auto last = static_cast<uint32_t>(text[n - 1]) & 0xFFFF;
        if (last >= 0xD800 && last <= 0xDBFF) --n;
    }
    return std::wstring(text.substr(0, n));
}

}  // namespace common
