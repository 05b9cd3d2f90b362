// CorvelForm: the hidden window that owns the tray icon, takes its clicks and
// Vitrane's release message, and watches the parked window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/window_class.h"
#include "companion/tray_animation.h"
#include "companion/tray_frames.h"
#include "companion/tray_record.h"

namespace companion {

class CorvelForm : public common::Window {
  public:
    CorvelForm(HWND target, int32_t targetHandle);

    // Creates the window with its caption, adds the tray icon at frame 5 and
    // starts the watchdog. False if the window could not be made.
    bool Form_Load();

    // The menu items and the take-out action.
    void M_viewmenu_Click();
    void M_corvel_Click();
    void M_outtray_Click();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void MakeTrayIcon();
    void AnimateTrayIcon(Motion motion);
    void ShowTarget();
    void HideTarget();
    void Toggle();
    void OpenMenu();
    void Timer1_Timer();
    void ShowFrame(int frame);
    void AddTrayIcon();

    HWND target_;
    int32_t targetHandle_;
    FrameIcons frames_;
    std::optional<TrayRecord> tray_;
    int shownFrame_ = kFrameCount;
    bool inWindowProc_ = false;
    // Set by the take-out action: from then on nothing is acted upon, which
    // is what putting the previous window procedure back stands for.
    bool ended_ = false;
    bool menuOpen_ = false;
    UINT taskbarCreated_ = 0;
    int addRetriesLeft_ = 0;
};

}  // namespace companion
