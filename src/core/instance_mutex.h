// What creating the per-user instance mutex says about another copy. No <windows.h>.
#pragma once

#include <cstdint>

namespace core {

// The system's error codes that matter here.
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorAlreadyExists = 183;

// Whether another copy runs, from the mutex creation's result (a handle or
// none) and the error code right after it. A name that exists but cannot be
// opened belongs to a copy with more rights (one run as administrator): it
// runs all the same. Any other failure says nothing, and the program starts
// rather than never.
bool AnotherInstanceRuns(bool gotHandle, uint32_t lastError);

}  // namespace core
