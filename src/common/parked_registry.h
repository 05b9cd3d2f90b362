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

// True when a process of that id runs and started at that time.
bool ProcessRunning(uint32_t id, uint64_t start);

bool WriteParked(const ParkedWindow& record);

// Removes the window's record if it is still the one of this companion.
void RemoveParked(int32_t window, uint32_t companionProcess);

struct ParkedValue {
    std::wstring Name;
    std::optional<ParkedWindow> Record;  // nothing when the value cannot be read as one
};
std::vector<ParkedValue> ReadAllParked();
void DeleteParkedValue(const std::wstring& name);

}  // namespace common
