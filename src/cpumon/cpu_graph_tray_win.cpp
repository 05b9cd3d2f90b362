#include "cpumon/cpu_graph_tray.h"

namespace cpumon {

CpuGraphTray::CpuGraphTray(common::TrayIcon& tray, CpuCounters& counters, UINT_PTR timer,
                           HICON staticIcon)
    : tray_(tray), counters_(counters), timer_(timer), staticIcon_(staticIcon) {}

int32_t CpuGraphTray::ProcessorCount() {
    return meter_.GetCpuLoad(counters_);
}

void CpuGraphTray::Configure(bool on, int32_t intervalMs, uint32_t draw, uint32_t back) {
    bool wasOn = on_;
    Enable(on);
    // Only a graph that was shown needs the static icon back.
    if (!on && (wasOn || shown_)) ShowStaticIcon();
    SetInterval(intervalMs);
    SetColours(draw, back);
}

void CpuGraphTray::Enable(bool on) {
    on_ = on;
    if (on)
        SetTimer(tray_.Owner(), timer_, static_cast<UINT>(intervalMs_), nullptr);
    else
        KillTimer(tray_.Owner(), timer_);
}

void CpuGraphTray::SetInterval(int32_t ms) {
    intervalMs_ = ms;
    if (on_) SetTimer(tray_.Owner(), timer_, static_cast<UINT>(ms), nullptr);
}

void CpuGraphTray::SetColours(uint32_t draw, uint32_t back) {
    draw_ = draw;
    back_ = back;
}

void CpuGraphTray::OnGraphTick() {
    // No event pump here: WM_TIMER is made only when no other message waits,
    // so the pending events have run already, and a pump would let the next
    // tick run inside this one.
    PushLoad(history_, meter_.GetCpuLoad(counters_));
    ShellCall call = policy_.Next(GetTickCount(), IconState());
    if (call == ShellCall::None) return;
    common::unique_hicon icon;
    if (call != ShellCall::Delete) {
        icon = icons_.Make(RenderCpuGraph(history_, draw_, back_));
        if (!icon) return;
        tray_.SetIcon(icon.get());
    }
    policy_.Answered(call, Call(call), GetTickCount());
    // The previous graph goes once the shell has this one.
    if (icon) shown_ = std::move(icon);
}

TrayIconState CpuGraphTray::IconState() const {
    HWND shell = FindWindowW(common::kShellTrayClass, nullptr);
    return TrayIconState{tray_.Added(), tray_.Retrying(), shell != nullptr,
                         shell != tray_.ShellWindow()};
}

ShellAnswer CpuGraphTray::Call(ShellCall call) {
    SetLastError(0);
    DWORD start = GetTickCount();
    bool ok = false;
    if (call == ShellCall::Modify)
        ok = tray_.Modify();
    else if (call == ShellCall::Delete)
        ok = tray_.Delete();
    else
        ok = tray_.Show();  // refused, the icon's own timer goes on adding it
    DWORD error = GetLastError();
    return ClassifyShellAnswer(ok, error, GetTickCount() - start);
}

void CpuGraphTray::ShowStaticIcon() {
    tray_.SetIcon(staticIcon_);
    tray_.Modify();
    shown_.reset();
}

}  // namespace cpumon
