// The settings store in memory, for the tests; records writes in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace settings {

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
