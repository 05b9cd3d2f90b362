// The companion's hidden window: it owns the tray icon, takes its clicks and
// Vitrane's release message, and watches the parked window. What it does and
// when is decided by its rules (parking_rules.h); the window feeds them and
// carries out their tasks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "common/system_functions.h"
#include "common/language.h"
#include "common/tray_icon.h"
#include "common/window_class.h"
#include "companion/parking_rules.h"
#include "companion/tray_animation.h"
#include "companion/tray_frames.h"

namespace companion {

class ParkingWindow : public common::Window {
  public:
    // `language` is the menu's; `user32` finds the newer user32 functions (a
    // test hands in its own).
    ParkingWindow(HWND target, int32_t targetHandle,
                  common::Language language = common::kDefaultLanguage,
                  common::FunctionFinder user32 = common::FindUser32Function);

    // Creates the window with its caption, adds the tray icon at frame 5 and
    // starts the watchdog. False if the window could not be made.
    bool Open();

    // The take-out without asking the loop to end: for the way out of the
    // message loop, whatever ended it. Does nothing once the take-out ran.
    void TakeOut();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void CreateTrayIcon();
    // The icon's own messages (the shell's restart, the retry timer); true
    // when it was one.
    bool OnIconMessage(UINT msg, WPARAM wp);
    std::optional<Event> RequestOf(UINT msg, WPARAM wp, LPARAM lp) const;
    TargetSeen Seen() const;
    // False when the rules said to stop what is under way.
    bool Feed(Event event);
    // Carries out the tasks in order; false when one of them said stop.
    bool Carry(const Tasks& tasks);
    void Carry(Task task);

    void AnimateTrayIcon(Motion motion);
    void ShowFrame(int frame);
    // Each is false when the target did not answer (nothing was changed) or
    // when an end arrived meanwhile (the target is shown and stays so).
    bool ShowTarget();
    bool HideTarget(bool minimizeFirst);
    bool TargetAnswers();
    // The target as the take-out leaves it: shown and restored, now or, if
    // its program does not answer, as soon as it does.
    void GiveTargetBack();
    void ShowTargetMinimized();
    void RecordParked();
    void ForgetParked();
    void OpenMenu();

    HWND target_;
    int32_t targetHandle_;
    common::Language language_;
    common::FunctionFinder user32_;
    FrameIcons frames_;
    std::optional<common::TrayIcon> tray_;
    int shownFrame_ = kFrameCount;
    ParkingRules rules_;
    uint64_t ownStart_ = 0;
};

}  // namespace companion
