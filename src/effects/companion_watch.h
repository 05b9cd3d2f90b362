// The safety net for windows parked by a companion that died (killed, crashed)
// without giving its window back: those windows are shown and restored at
// start-up and within a second or two of the companion's end.
#pragma once

#include <windows.h>

#include "common/window_class.h"

namespace effects {

class CompanionWatch : public common::Window {
  public:
    CompanionWatch() = default;
    ~CompanionWatch() override = default;

    // Gives back what companions left hidden, now and then every second
    // (also while a dialog is open), whoever started them; at the start it
    // also makes sure the records are kept where log-off drops them.
    void Start();

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

// Every recorded window whose companion no longer runs, that still belongs
// to the same program and is still hidden, is shown and restored; the
// records of companions that no longer run are removed. Never waits for the
// windows' programs.
void GiveBackOrphans();

// Every recorded companion is asked to give its window back and end; what
// companions that no longer run left hidden is shown. Never waits.
void ReleaseAllParked();

}  // namespace effects
