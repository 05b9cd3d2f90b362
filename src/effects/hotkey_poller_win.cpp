#include "effects/hotkey_poller.h"

#include "effects/window_effects.h"

namespace effects {

std::optional<Notice> HotkeyPoller::Poll(const settings::HotkeySettings& keys, int32_t alphaIndex,
                                         bool wholeWindow) {
    companions_.Settle();
    std::optional<Notice> notice;
    // Level-triggered: a held key repeats its step on every tick. The target
    // is resolved before Shift is read, and after the child test where
    // there is one.
    if (Down(PressKey::Alpha, keys.AlphaKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        EffectResult r = changer_.Transparency(target, ShiftHeld(), alphaIndex);
        Tell(PressKey::Alpha, NoticeFor(r), notice);
    }
    if (Down(PressKey::OnTop, keys.OnTopKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        Tell(PressKey::OnTop, NoticeFor(changer_.AlwaysOnTop(target, ShiftHeld())), notice);
    }
    if (Down(PressKey::Taskbar, keys.TaskbarKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        if (!IsChildWindow(target))
            Tell(PressKey::Taskbar, NoticeFor(changer_.TaskbarButton(target, ShiftHeld())), notice);
    }
    if (Down(PressKey::TrayPark, keys.TrayParkKey)) {
        HWND target = TargetUnderCursor(wholeWindow);
        if (!IsChildWindow(target)) Tell(PressKey::TrayPark, companions_.TrayStep(target), notice);
    }
    return notice;
}

bool HotkeyPoller::Down(PressKey key, int32_t vk) {
    bool down = HotkeyDown(vk);
    presses_.Observe(key, down);
    return down;
}

void HotkeyPoller::Tell(PressKey key, std::optional<Notice> notice, std::optional<Notice>& tick) {
    if (notice && presses_.Claim(key)) tick = notice;
}

}  // namespace effects
