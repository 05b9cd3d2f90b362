// The messages the companion's window acts upon, and what each one asks for.
#pragma once

#include <cstdint>

#include "common/companion_contract.h"

namespace companion {

constexpr uint32_t kTrayCallbackMessage = 0x0400 + 1;  // WM_USER + 1
constexpr intptr_t kLeftButtonUp = 0x0202;             // WM_LBUTTONUP
constexpr intptr_t kRightButtonUp = 0x0205;            // WM_RBUTTONUP

enum class Action { None, Toggle, OpenMenu, Release };

// Anything not in the table (other mouse messages, a release message with
// another wParam/lParam pair) asks for nothing.
Action ActionFor(uint32_t message, uintptr_t wParam, intptr_t lParam);

}  // namespace companion
