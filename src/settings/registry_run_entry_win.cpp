#include "settings/registry_run_entry.h"

#include "common/registry_text.h"
#include "common/window_helpers.h"

namespace settings {
namespace {

const std::wstring kKey(kRunKeyPath);
const std::wstring kName(kRunValueName);

}  // namespace

std::wstring RegistryRunEntry::ProgramPath() const {
    return common::OwnProgramPath();
}

std::optional<std::wstring> RegistryRunEntry::Read() const {
    return common::ReadUserText(kKey.c_str(), kName.c_str());
}

bool RegistryRunEntry::Write(const std::wstring& text) {
    return common::WriteUserText(kKey.c_str(), kName.c_str(), text);
}

bool RegistryRunEntry::Remove() {
    return common::DeleteUserValue(kKey.c_str(), kName.c_str());
}

RunEntry& ProgramRunEntry() {
    static RegistryRunEntry entry;
    return entry;
}

}  // namespace settings
