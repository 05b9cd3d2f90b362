#include "effects/hotkey_poller.h"

#include "effects/window_effects.h"

namespace effects {

void HotkeyPoller::Poll(const settings::HotkeySettings& keys, int32_t alphaIndex,
                        bool wholeWindow) {
    companions_.Settle();
    // Level-triggered: a held key repeats its step on every tick. The target
    // is resolved before Shift is read, and after the child test where
    // there is one.
    if (HotkeyDown(keys.AlphaKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        Transparency(target, ShiftHeld(), alphaIndex);
    }
    if (HotkeyDown(keys.OnTopKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        AlwaysOnTop(target, ShiftHeld());
    }
    if (HotkeyDown(keys.TaskbarKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        if (!IsChildWindow(target)) TaskbarButton(target, ShiftHeld());
    }
    if (HotkeyDown(keys.TrayParkKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        if (!IsChildWindow(target)) companions_.TrayStep(target);
    }
}

}  // namespace effects
