// The start-with-Windows value in memory, for the tests; counts changes.
#pragma once

#include <optional>
#include <string>

#include "settings/start_with_windows.h"

namespace settings {

struct FakeRunEntry : RunEntry {
    std::wstring path = L"C:\\Program Files\\Vitrane\\Vitrane.exe";
    std::optional<std::wstring> value;
    int writes = 0, removes = 0;

    std::wstring ProgramPath() const override { return path; }
    std::optional<std::wstring> Read() const override { return value; }
    bool Write(const std::wstring& text) override {
        ++writes;
        value = text;
        return true;
    }
    bool Remove() override {
        ++removes;
        value.reset();
        return true;
    }
};

}  // namespace settings
