// Where the records of changed windows are kept beside the settings: the
// volatile key Changed, which the system drops at log-off, so a restarted
// Vitrane still knows what it changed this session and nothing outlives it.
// One value per window (changed_window.h).
#pragma once

#include <cstdint>
#include <vector>

#include "effects/changed_window.h"

namespace effects {

inline constexpr const wchar_t* kChangedSubKey = L"Changed";

bool WriteChanged(const ChangedWindow& record);
void DeleteChanged(int32_t window);

// What the key holds, if it exists: it is made volatile first where it is
// not (then it comes back empty and `remade` is set: write back what is to
// be kept). Values that are no record are deleted.
std::vector<ChangedWindow> ReadAllChanged(bool& remade);

}  // namespace effects
