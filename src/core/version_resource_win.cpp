#include "core/version_resource.h"

#include <windows.h>

namespace core {

common::FileVersion OwnFileVersion() {
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(self, MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
    if (!res) return {};
    HGLOBAL loaded = LoadResource(self, res);  // not to be freed: part of the image
    const void* data = loaded ? LockResource(loaded) : nullptr;
    return common::ParseVersionResource(data, SizeofResource(self, res))
        .value_or(common::FileVersion{});
}

}  // namespace core
