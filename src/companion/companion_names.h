// The names by which a companion is found: its window caption and its mutex.
#pragma once

#include <cstdint>
#include <string>

namespace companion {

// "Corvel-" and the handle in plain decimal; Vitrane looks companions up by it.
std::wstring CompanionCaption(int32_t targetHandle);

// One mutex per target window, so a second companion for it ends at start-up.
// Session-local, as window handles are.
std::wstring CompanionMutexName(int32_t targetHandle);

}  // namespace companion
