#include "settings/registry_store.h"

#include "common/registry_text.h"

namespace settings {
namespace {

std::wstring SubKey() {
    std::wstring path = L"Software\\";
    path += kApplication;
    path += L"\\";
    path += kSection;
    return path;
}

}  // namespace

std::wstring RegistryStore::Read(Key key) const {
    const KeyInfo& info = Info(key);
    std::wstring name(info.name);
    return common::ReadUserText(SubKey().c_str(), name.c_str())
        .value_or(std::wstring(info.defaultText));
}

bool RegistryStore::Write(Key key, const std::wstring& text) {
    std::wstring name(Info(key).name);
    return common::WriteUserText(SubKey().c_str(), name.c_str(), text);
}

}  // namespace settings
