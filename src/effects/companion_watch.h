// The safety net for windows parked by a companion that died (killed, crashed)
// without giving its window back: those windows are shown and restored, once
// at start-up and whenever a companion this program started ends.
#pragma once

#include <windows.h>

#include <vector>

#include "common/unique_handle.h"
#include "common/window_class.h"

namespace effects {

class CompanionWatch : public common::Window {
  public:
    CompanionWatch() = default;
    ~CompanionWatch() override = default;

    // Gives back what companions of an earlier run left hidden, then looks at
    // the watched companions every second (also while a dialog is open).
    void Start();

    // Takes over a started companion's process handle.
    void Watch(HANDLE process);

  protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

  private:
    void OnTick();

    std::vector<common::unique_handle_t> companions_;
};

// Every recorded window whose companion no longer runs, that still belongs
// to the same program and is still hidden, is shown and restored; the
// records of companions that no longer run are removed. Never waits for the
// windows' programs.
void GiveBackOrphans();

}  // namespace effects
