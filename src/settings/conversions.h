// Text-to-number rules of the settings store. No <windows.h>.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Decimal text (surrounding blanks and one sign allowed) or "&H" + hexadecimal
// digits, to a 32-bit signed integer. "&H" values of up to eight digits wrap
// like the platform's Long ("&HFFFFFFFF" is -1). Anything else, or a value
// outside the 32-bit range, gives nothing.
std::optional<int32_t> ToLong(std::wstring_view text);

// A stored colour: "&H" + text, accepted only as a colour value 0..FFFFFF.
std::optional<uint32_t> ColourFromText(std::wstring_view text);

// Six upper-case hexadecimal digits, zero-padded on the left, of the low 24 bits.
std::wstring ColourText(uint32_t colour);

}  // namespace settings
