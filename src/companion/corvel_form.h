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

    // The take-out without asking the loop to end: for the way out of the
    // message loop, whatever ended it. Does nothing once the take-out ran.
    void TakeOut();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void MakeTrayIcon();
    void AnimateTrayIcon(Motion motion);
    // Each is false when the target did not answer (nothing was changed) or
    // when an end arrived meanwhile (the target is shown and stays so).
    bool ShowTarget();
    bool HideTarget();
    // The target as the take-out leaves it: shown and restored, now or, if
    // its program does not answer, as soon as it does.
    void GiveTargetBack();
    bool TargetAnswers();
    // After a call that let sent messages in: true when one of them ended
    // the companion, in which case the target is shown again, whatever the
    // interrupted call did to it.
    bool EndArrived();
    void RecordParked();
    void ForgetParked();
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
    uint64_t ownStart_ = 0;
    bool recorded_ = false;  // this companion's record of the target is in the registry
};

}  // namespace companion
