// The main form: hidden owner of the tray icon, the popup menu, the two
// timers and the per-instance state; shown only as the version dialog.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/file_version.h"
#include "common/unique_handle.h"
#include "common/window_class.h"
#include "core/popup_menu.h"
#include "core/tray_icon.h"
#include "core/version_dialog.h"
#include "cpumon/cpu_load.h"
#include "cpumon/graph_icon.h"
#include "effects/companion_watch.h"
#include "effects/hotkey_poller.h"
#include "effects/smooth_fade.h"
#include "settings/loaded_settings.h"
#include "settings/settings_store.h"

namespace settings {
class FrmOptions;
}

namespace core {

inline constexpr const wchar_t* kMainClassName = L"Vitrane.frmP2hWnd";
inline constexpr UINT kTrayCallback = WM_MOUSEMOVE;  // 512, as the icon was always registered

class FrmP2hWnd : public common::Window {
  public:
    FrmP2hWnd(settings::SettingsStore& store, cpumon::CpuCounters& counters,
              common::FileVersion version);
    ~FrmP2hWnd() override;

    // Creates the hidden window and runs the start-up; false if the window
    // could not be made.
    bool Form_Load();

    // Per-instance state shared by the subsystems.
    settings::HotkeySettings HotkeySettings;
    int32_t AlphaIndex = 4;
    int32_t SmsMode = -1;
    // Switching the gesture off mid-gesture also takes its indicator away.
    void SetSmsMode(int32_t mode);
    std::array<int32_t, 16> CpuHistory{};
    std::wstring VersionLabel;

    // Handlers, as the menu and the timers call them.
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuAP_Click(int16_t index);
    void mnuclip_Click(int16_t index);
    void mnuAdd_Click();
    void mnuOption_Click();
    void mnuVer_Click();
    void cmdOK_Click();  // the version dialog's OK
    void mnuEnd_Click();
    void SetClipMenu();

    // For tests and the other forms.
    PopupMenu& Menu() { return menu_; }
    TrayIcon* Tray() { return tray_.get(); }
    // The options dialog while it is open, else null.
    settings::FrmOptions* OptionsDialog() const { return options_; }
    bool Timer1Enabled() const { return timer1_; }
    bool Timer2Enabled() const { return timer2_; }
    int32_t Timer2Interval() const { return timer2Interval_; }
    uint32_t CpuDrawColour() const { return cpuDraw_; }
    uint32_t CpuBackColour() const { return cpuBack_; }

    // The graph's colours (colour numbers), used from the next tick on.
    void SetCpuColours(uint32_t draw, uint32_t back);
    // The static icon back in the tray in place of the graph (the graph is
    // switched off); the last graph icon is freed.
    void ShowStaticTrayIcon();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Form_MouseMove(LPARAM trayMessage);
    void RunCommand(UINT id);
    void EnableTimer1(bool on);
    void EnableTimer2(bool on);
    void SetTimer2Interval(int32_t ms);
    void AddTrayIcon();
    void OnTaskbarCreated();
    void ApplyOptions();
    void ResumePolling();

    settings::SettingsStore& store_;
    cpumon::CpuCounters& counters_;
    common::FileVersion version_;
    cpumon::CpuLoadMeter cpuMeter_;
    PopupMenu menu_;
    std::unique_ptr<TrayIcon> tray_;
    common::unique_hicon staticIcon_;
    common::unique_hicon appIcon_;
    UINT taskbarCreated_ = 0;
    int addRetriesLeft_ = 0;
    bool menuOpen_ = false;
    bool timer1_ = false;
    bool timer2_ = false;
    int32_t timer2Interval_ = 1000;
    uint32_t cpuDraw_ = 0x00FF00;
    uint32_t cpuBack_ = 0;
    cpumon::GraphIconMaker graphIcons_;
    common::unique_hicon graphIcon_;  // the graph the shell shows, kept until replaced
    bool inputBoxOpen_ = false;
    effects::HotkeyPoller hotkeys_;
    effects::CompanionWatch companionWatch_;
    effects::SmoothFade sms_;
    VersionDialog versionDialog_;
    settings::FrmOptions* options_ = nullptr;  // owned by mnuOption_Click while open
};

}  // namespace core
