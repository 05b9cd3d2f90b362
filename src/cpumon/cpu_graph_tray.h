// The processor-load graph in the tray: on its own timer it samples the
// load, keeps the last sixteen columns and shows them as the tray icon; when
// it is switched off the program's static icon comes back.
#pragma once

#include <windows.h>

#include <cstdint>

#include "common/tray_icon.h"
#include "common/unique_handle.h"
#include "cpumon/cpu_graph.h"
#include "cpumon/cpu_load.h"
#include "cpumon/graph_icon.h"
#include "cpumon/tray_update_policy.h"

namespace cpumon {

class CpuGraphTray {
  public:
    // `timer` is a timer id of the tray icon's owner that the graph may use;
    // `staticIcon` is what the tray shows while the graph is off.
    CpuGraphTray(common::TrayIcon& tray, CpuCounters& counters, UINT_PTR timer, HICON staticIcon);
    CpuGraphTray(const CpuGraphTray&) = delete;
    CpuGraphTray& operator=(const CpuGraphTray&) = delete;

    // The first sample, taken before any tick: it gives the processor count.
    int32_t ProcessorCount();

    // On or off, ticking every `intervalMs`, in these colour numbers from the
    // next tick on. Off puts the static icon back.
    void Configure(bool on, int32_t intervalMs, uint32_t draw, uint32_t back);
    void SetColours(uint32_t draw, uint32_t back);
    // One tick: a new column and, unless the shell is being given a pause,
    // a new icon in one shell call.
    void OnGraphTick();
    // The static icon back in the tray; the last graph icon is freed.
    void ShowStaticIcon();

    UINT_PTR Timer() const { return timer_; }
    bool Enabled() const { return on_; }
    int32_t Interval() const { return intervalMs_; }
    uint32_t DrawColour() const { return draw_; }
    uint32_t BackColour() const { return back_; }
    const CpuHistory16& History() const { return history_; }

  private:
    void Enable(bool on);
    void SetInterval(int32_t ms);
    TrayIconState IconState() const;
    ShellAnswer Call(ShellCall call);

    common::TrayIcon& tray_;
    CpuCounters& counters_;
    UINT_PTR timer_;
    HICON staticIcon_;
    CpuLoadMeter meter_;
    GraphIconMaker icons_;
    common::unique_hicon shown_;  // the graph the shell shows, kept until replaced
    TrayUpdatePolicy policy_;
    CpuHistory16 history_{};
    bool on_ = false;
    int32_t intervalMs_ = 1000;
    uint32_t draw_ = 0x00FF00;
    uint32_t back_ = 0x000000;
};

}  // namespace cpumon
