// The companion's hidden window: it owns the tray icon, takes its clicks and
// Vitrane's release message, and watches the parked window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/language.h"
#include "common/tray_icon.h"
#include "common/window_class.h"
#include "companion/tray_animation.h"
#include "companion/tray_frames.h"

namespace companion {

class ParkingWindow : public common::Window {
  public:
    // The menu shows its items in `language`.
    ParkingWindow(HWND target, int32_t targetHandle,
                  common::Language language = common::kDefaultLanguage);

    // Creates the window with its caption, adds the tray icon at frame 5 and
    // starts the watchdog. False if the window could not be made.
    bool Open();

    // What the menu's three items do: show the target again, park it, and
    // give it back for good, ending the companion.
    void BringBack();
    void Park();
    void Release();

    // The take-out without asking the loop to end: for the way out of the
    // message loop, whatever ended it. Does nothing once the take-out ran.
    void TakeOut();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void CreateTrayIcon();
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
    void OnWatchTick();
    void ShowFrame(int frame);

    HWND target_;
    int32_t targetHandle_;
    common::Language language_;
    FrameIcons frames_;
    std::optional<common::TrayIcon> tray_;
    int shownFrame_ = kFrameCount;
    bool inWindowProc_ = false;
    // Set by the take-out: from then on nothing is acted upon.
    bool ended_ = false;
    bool menuOpen_ = false;
    uint64_t ownStart_ = 0;
    bool recorded_ = false;  // this companion's record of the target is in the registry
};

}  // namespace companion
