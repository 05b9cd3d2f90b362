// The main window: hidden owner of the tray icon, it wires the parts
// together (hotkey polling, the fade gesture, the CPU graph, the clip menu,
// the options dialog) and turns the stored settings into their running
// state. Shown, it is the version dialog.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "clip/clip_menu.h"
#include "common/file_version.h"
#include "common/system_functions.h"
#include "common/tray_icon.h"
#include "common/unique_handle.h"
#include "common/window_class.h"
#include "core/tray_menu.h"
#include "core/version_dialog.h"
#include "cpumon/cpu_graph_tray.h"
#include "cpumon/cpu_load.h"
#include "effects/companion_watch.h"
#include "effects/hotkey_poller.h"
#include "effects/notice_window.h"
#include "effects/smooth_fade.h"
#include "effects/window_changer.h"
#include "settings/loaded_settings.h"
#include "settings/settings_store.h"

namespace settings {
class OptionsDialog;
}

namespace core {

inline constexpr const wchar_t* kMainClassName = L"Vitrane.MainWindow";
inline constexpr UINT kTrayCallback = WM_MOUSEMOVE;  // 512, as the icon was always registered

class MainWindow : public common::Window {
  public:
    // `user32` finds the newer user32 functions (a test hands in its own).
    MainWindow(settings::SettingsStore& store, cpumon::CpuCounters& counters,
               common::FileVersion version,
               common::FunctionFinder user32 = common::FindUser32Function);
    ~MainWindow() override;

    // Creates the hidden window, the tray icon and the parts from the stored
    // settings; false if the window could not be made.
    bool Start();

    // The tray menu's items.
    void SelectRate(int index);  // also stores it
    void AddClip();              // "－－追加－－"
    void OpenOptions();
    void ShowVersion();
    void HideVersion();  // its OK and close box
    // "すべて元に戻す": every window the effects changed gets back what it
    // had, and every parked window is given back.
    void RestoreAll();
    void Quit();

    const settings::RunningSettings& Settings() const { return settings_; }
    bool Polling() const { return polling_; }
    const std::wstring& VersionLabel() const { return version_.Label(); }
    TrayMenu& Menu() { return *menu_; }
    clip::ClipMenu& Clips() { return clips_; }
    common::TrayIcon& Tray() { return *tray_; }
    cpumon::CpuGraphTray& Graph() { return *graph_; }
    effects::SmoothFade& Fade() { return fade_; }
    effects::WindowChanger& Changer() { return changer_; }
    // The options dialog while it is open, else null.
    settings::OptionsDialog* Options() const { return options_; }

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void Apply(const settings::RunningSettings& s);
    // The menus, the tray tooltip and the version dialog in `language`.
    void ShowLanguage(common::Language language);
    void OnPollTick();
    void OnTrayNotify(UINT mouseMessage);
    void RunCommand(UINT id);
    void SetPolling(bool on);
    void ResumePolling();

    settings::SettingsStore& store_;
    cpumon::CpuCounters& counters_;
    common::FileVersion fileVersion_;
    common::FunctionFinder user32_;
    int32_t processors_ = 0;  // for the tooltip
    common::unique_hicon staticIcon_;
    common::unique_hicon appIcon_;
    settings::RunningSettings settings_;
    clip::ClipMenu clips_;
    std::optional<TrayMenu> menu_;
    std::optional<common::TrayIcon> tray_;
    std::optional<cpumon::CpuGraphTray> graph_;
    VersionDialog version_;
    effects::WindowChanger changer_;
    effects::HotkeyPoller hotkeys_{changer_};
    effects::CompanionWatch companionWatch_;
    effects::SmoothFade fade_{changer_};
    effects::NoticeWindow notice_;
    bool polling_ = false;
    bool menuOpen_ = false;
    settings::OptionsDialog* options_ = nullptr;  // owned by OpenOptions while open
};

}  // namespace core
