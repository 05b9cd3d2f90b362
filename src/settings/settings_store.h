// Text values per key under hollin / LayeredWindow.
#pragma once

#include <map>
#include <string>
#include <vector>

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

// For unit tests and in-process form tests; records writes in order.
class MemoryStore : public SettingsStore {
  public:
    std::wstring Read(Key key) const override {
        auto it = values_.find(key);
        return it != values_.end() ? it->second : std::wstring(Info(key).defaultText);
    }
    bool Write(Key key, const std::wstring& text) override {
        values_[key] = text;
        writes_.push_back(key);
        return true;
    }
    bool Has(Key key) const { return values_.count(key) != 0; }
    const std::vector<Key>& Writes() const { return writes_; }

  private:
    std::map<Key, std::wstring> values_;
    std::vector<Key> writes_;
};

}  // namespace settings
