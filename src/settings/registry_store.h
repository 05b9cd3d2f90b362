// The store in HKEY_CURRENT_USER\Software\hollin\LayeredWindow, REG_SZ values.
#pragma once

#include "settings/settings_store.h"

namespace settings {

class RegistryStore : public SettingsStore {
  public:
    std::wstring Read(Key key) const override;
    bool Write(Key key, const std::wstring& text) override;
};

}  // namespace settings
