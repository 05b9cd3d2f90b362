// The Run value of the running program file, in the registry.
#pragma once

#include "settings/start_with_windows.h"

namespace settings {

class RegistryRunEntry : public RunEntry {
  public:
    std::wstring ProgramPath() const override;
    std::optional<std::wstring> Read() const override;
    bool Write(const std::wstring& text) override;
    bool Remove() override;
};

// The one the options dialog uses unless it is given another.
RunEntry& ProgramRunEntry();

}  // namespace settings
