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
    common::unique_hicon icon = icons_.Make(RenderCpuGraph(history_, draw_, back_));
    if (!icon) return;
    tray_.SetIcon(icon.get());
    // A shell that has lost the icon gets it back with the current graph.
    tray_.Modify(true);
    shown_ = std::move(icon);  // the previous graph goes once the shell has this one
}

void CpuGraphTray::ShowStaticIcon() {
    tray_.SetIcon(staticIcon_);
    tray_.Modify();
    shown_.reset();
}

}  // namespace cpumon
