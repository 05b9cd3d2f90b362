// Where the records of parked windows are kept: a volatile key under the
// settings key, so the system drops them at log-off and nothing outlives the
// session. One value per window (parked_record.h); the settings values
// beside it are never read or written here.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/parked_record.h"

namespace common {

inline constexpr const wchar_t* kParkedKey = L"Software\\hollin\\LayeredWindow\\Parked";

// This process's id and creation time, for the record and for telling that
// a recorded companion still runs.
uint32_t OwnProcessId();
uint64_t ProcessStartTime(HANDLE process);
// The start time of the process with this id; 0 when it cannot be read.
uint64_t ProcessStartOf(uint32_t processId);

// True when the companion of the record still runs: the same process (id
// and start time), or, where that process may not be looked into, the
// process that owns the companion window of that window.
bool CompanionRunning(const ParkedWindow& record);

bool WriteParked(const ParkedWindow& record);

// A Parked key that is not volatile (a .reg export imported again) would
// keep its records past log-off, when process ids and window handles are
// reused: it is made again, volatile, with the records it holds. Run after
// the records of companions that no longer run have been seen to. True when
// the key is volatile now, or absent.
bool MakeParkedVolatile();

// Removes the window's record if it is still the one of this companion.
void RemoveParked(int32_t window, uint32_t companionProcess);

struct ParkedValue {
    std::wstring Name;
    std::wstring Text;                   // as read
    std::optional<ParkedWindow> Record;  // nothing when the value cannot be read as one
};
std::vector<ParkedValue> ReadAllParked();
// Deletes the value only if it still holds what was read: a newer companion
// of the same window may have written its own record since.
void DeleteParkedValue(const ParkedValue& value);

}  // namespace common
