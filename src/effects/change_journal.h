// The records of the windows Vitrane changed, in memory: one per window,
// the first look it had. Whoever keeps them elsewhere (the registry) is told
// through the results, so a record is stored once per window, never per
// tick. No <windows.h>.
#pragma once

#include <cstdint>
#include <vector>

#include "effects/changed_window.h"

namespace effects {

class ChangeJournal {
  public:
    // The record of this very window: the same handle owned by the same
    // process. A record of a handle now owned by another is none.
    const ChangedWindow* Find(int32_t window, const WindowOwner& owner) const;

    // Keeps `record` unless this window has one already; true when it was
    // new (a record of a reused handle is replaced, and counts as new).
    bool Remember(const ChangedWindow& record);

    void Forget(int32_t window);
    // Every record, the journal left empty.
    std::vector<ChangedWindow> TakeAll();

    const std::vector<ChangedWindow>& Records() const { return records_; }
    bool Empty() const { return records_.empty(); }

  private:
    std::vector<ChangedWindow> records_;
};

}  // namespace effects
