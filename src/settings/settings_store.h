// Text values per key under hollin / LayeredWindow.
#pragma once

#include <string>

#include "settings/settings_keys.h"

namespace settings {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or the key's default when nothing (usable) is stored.
    virtual std::wstring Read(Key key) const = 0;
    // Failures are ignored by every caller; the result is for tests and logging.
    virtual bool Write(Key key, const std::wstring& text) = 0;
};

}  // namespace settings
