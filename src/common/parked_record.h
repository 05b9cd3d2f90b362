// What a companion leaves behind while it keeps a window hidden, so that a
// window is never lost with a companion that died: one record per window,
// written by Corvel, read by Vitrane. Platform-free.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

struct ParkedWindow {
    int32_t Window = 0;             // the handle, as the command line gives it
    uint32_t WindowProcess = 0;     // the process that owned the window when hidden
    uint32_t CompanionProcess = 0;  // the companion that hid it
    uint64_t CompanionStart = 0;    // its creation time, so a reused id is not taken for it
    bool operator==(const ParkedWindow&) const = default;
};

// One value per window, named by its handle: a newer companion of the same
// window replaces the record of an older one.
std::wstring ParkedValueName(int32_t window);

// "window windowProcess companionProcess companionStart", plain decimal.
std::wstring EncodeParked(const ParkedWindow& record);

// The record of a value, or nothing when the text is not exactly what
// EncodeParked writes or does not belong under this name.
std::optional<ParkedWindow> DecodeParked(std::wstring_view name, std::wstring_view data);

// What is seen of a recorded window and its companion now.
struct ParkedWindowNow {
    bool CompanionRunning = false;  // the same process (id and start time) still runs
    uint32_t WindowProcess = 0;     // the window's owner now; 0 when the window is gone
    bool WindowVisible = false;
};

enum class ParkedAction {
    Keep,     // its companion still runs and answers for it
    Forget,   // the companion is gone, the window is not one to show
    TakeOut,  // the companion is gone and left the window hidden: show it, then forget
};

// Only what a companion hid is shown: the same window (same owner) and still hidden.
ParkedAction ActionForParked(const ParkedWindow& record, const ParkedWindowNow& now);

}  // namespace common
