#include "common/file_version.h"

#include <cstring>

namespace common {

std::optional<FileVersion> ParseVersionResource(const void* data, size_t size) {
    constexpr uint32_t kSignature = 0xFEEF04BD;
    // VS_FIXEDFILEINFO: signature, struct version, file version MS, file version LS, ...
    constexpr size_t kNeeded = 4 * sizeof(uint32_t);
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (!bytes || size < kNeeded) return std::nullopt;
    // The structure is 32-bit aligned within the resource.
    for (size_t at = 0; at + kNeeded <= size; at += 4) {
        uint32_t words[4];
        std::memcpy(words, bytes + at, sizeof(words));
        if (words[0] != kSignature) continue;
        FileVersion v;
        v.Major = static_cast<uint16_t>(words[2] >> 16);
        v.Minor = static_cast<uint16_t>(words[2] & 0xFFFF);
        v.Revision = static_cast<uint16_t>(words[3] >> 16);
        v.Build = static_cast<uint16_t>(words[3] & 0xFFFF);
        return v;
    }
    return std::nullopt;
}

}  // namespace common
