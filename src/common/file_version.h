// The program's own file version, as its VERSIONINFO resource holds it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace common {

struct FileVersion {
    uint16_t Major = 0;
    uint16_t Minor = 0;
    uint16_t Revision = 0;  // the third field
    uint16_t Build = 0;
};

// Finds VS_FIXEDFILEINFO (by its signature) in raw RT_VERSION data.
std::optional<FileVersion> ParseVersionResource(const void* data, size_t size);

}  // namespace common
